#include "platform/dom/NodeArena.h"

#include "platform/dom/Document.h"

#include <cstring>
#include <new>

namespace {

constexpr std::size_t FirstBlockBytes = 16 * 1024;

} // namespace

NodeArena::NodeArena()
    : m_memory(FirstBlockBytes) {}

NodeArena::~NodeArena() = default;

Document* NodeArena::frameDocument(const Element& frame) const {
    const auto found = m_frameDocuments.find(&frame);
    return found == m_frameDocuments.end() ? nullptr : found->second.get();
}

void NodeArena::setFrameDocument(const Element& frame, std::unique_ptr<Document> document) {
    if (document) {
        m_frameDocuments[&frame] = std::move(document);
    } else {
        m_frameDocuments.erase(&frame);
    }
}

std::unique_ptr<Document> NodeArena::takeFrameDocument(const Element& frame) {
    auto node = m_frameDocuments.extract(&frame);
    return node.empty() ? nullptr : std::move(node.mapped());
}

template <typename T, typename... Args> T& NodeArena::make(Args&&... args) {
    void* place = m_memory.allocate(sizeof(T), alignof(T));
    return *new (place) T(std::forward<Args>(args)...);
}

Element& NodeArena::makeElement(std::string_view tagName, Element::Namespace ns) {
    return make<Element>(*this, intern(tagName), ns);
}

Node& NodeArena::makeCharacter(Node::Kind kind, std::string_view text) {
    return make<CharacterNode>(kind, *this, text);
}

std::string_view NodeArena::copy(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    auto* bytes = static_cast<char*>(m_memory.allocate(text.size(), 1));
    std::memcpy(bytes, text.data(), text.size());
    return {bytes, text.size()};
}

const std::string& NodeArena::intern(std::string_view name) {
    for (const std::string* recent : m_recentNames) {
        if (recent && *recent == name) {
            return *recent;
        }
    }
    auto found = m_names.find(name);
    if (found == m_names.end()) {
        found = m_names.emplace(name).first;
    }
    m_recentNames[m_nextRecent] = &*found;
    m_nextRecent = (m_nextRecent + 1) % m_recentNames.size();
    return *found;
}

Attribute* NodeArena::attributeSlots(std::size_t count) {
    return static_cast<Attribute*>(
        m_memory.allocate(count * sizeof(Attribute), alignof(Attribute)));
}
