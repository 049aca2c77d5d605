#include "platform/dom/Node.h"

#include "platform/dom/Element.h"
#include "platform/dom/NodeArena.h"

#include <limits>
#include <stdexcept>

CharacterNode::CharacterNode(Kind kind, NodeArena& arena, std::string_view text)
    : Node(kind) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("a text of 4 GB or more cannot be held in a document");
    }
    m_size = static_cast<std::uint32_t>(text.size());
    m_data = arena.copy(text).data();
}

static_assert(sizeof(CharacterNode) <= 32, "a text node fits in four words");
static_assert(sizeof(Element) <= 64, "an element fits in a cache line");

Node::Children Node::children() const {
    return Children(isElement() ? static_cast<const Element*>(this)->m_firstChild : nullptr);
}

void Node::removeChildren() {
    if (isElement()) {
        auto* element = static_cast<Element*>(this);
        for (Node* child = element->m_firstChild; child;) {
            Node* next = child->m_next;
            child->m_parent = nullptr;
            child->m_next = nullptr;
            child = next;
        }
        element->m_firstChild = nullptr;
        element->m_lastChild = nullptr;
    }
}

std::string_view Node::data() const {
    if (isElement()) {
        return {};
    }
    const auto& character = static_cast<const CharacterNode&>(*this);
    return {character.m_data, character.m_size};
}

std::vector<Element*> Node::childElements() const {
    std::vector<Element*> elements;
    for (Node* child : children()) {
        if (child->isElement()) {
            elements.push_back(static_cast<Element*>(child));
        }
    }
    return elements;
}
