#pragma once

#include "platform/dom/Element.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

class Document;

// The memory of one document's tree: every node, name, text and attribute list is taken from
// one growing buffer and given back all at once with the document, so a tree of a hundred
// thousand rows costs no allocation per node and no freeing one by one. Tag and attribute
// names are stored once per document.
class NodeArena {
public:
    NodeArena();
    ~NodeArena();
    NodeArena(const NodeArena&) = delete;
    NodeArena& operator=(const NodeArena&) = delete;

    Element& makeElement(std::string_view tagName, Element::Namespace ns);
    Node& makeCharacter(Node::Kind kind, std::string_view text);

    std::string_view copy(std::string_view text);
    // The one copy of a name in this document.
    const std::string& intern(std::string_view name);
    Attribute* attributeSlots(std::size_t count);

    // The documents of frame elements: they go with this one.
    Document* frameDocument(const Element& frame) const;
    void setFrameDocument(const Element& frame, std::unique_ptr<Document> document);
    std::unique_ptr<Document> takeFrameDocument(const Element& frame);

private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>()(name);
        }
    };
    template <typename T, typename... Args> T& make(Args&&... args);

    std::pmr::monotonic_buffer_resource m_memory;
    std::unordered_set<std::string, NameHash, std::equal_to<>> m_names;
    // A tree asks for the same few names over and over (tr, td, align): the last ones found
    // are compared first, which is cheaper than hashing.
    std::array<const std::string*, 4> m_recentNames{};
    std::size_t m_nextRecent = 0;
    std::unordered_map<const Element*, std::unique_ptr<Document>> m_frameDocuments;
};
