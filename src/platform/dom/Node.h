#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class Element;
class NodeArena;

// A node of our own mutable HTML tree: an element, a piece of text or a comment. The tree is
// built from gumbo's read-only one and then changed freely (attributes, cells, inner HTML).
// Nodes live in their document's arena: an element makes its children (appendElement,
// appendText, appendClone), and they are freed all at once with the document.
class Node {
public:
    enum class Kind : std::uint8_t { Element, Text, Comment };

    // The children in order, as Node pointers.
    class Children {
    public:
        class iterator {
        public:
            explicit iterator(Node* node)
                : m_node(node) {}
            Node* operator*() const { return m_node; }
            iterator& operator++() {
                m_node = m_node->m_next;
                return *this;
            }
            bool operator==(const iterator&) const = default;

        private:
            Node* m_node;
        };
        explicit Children(Node* first)
            : m_first(first) {}
        iterator begin() const { return iterator(m_first); }
        iterator end() const { return iterator(nullptr); }
        bool empty() const { return m_first == nullptr; }

    private:
        Node* m_first;
    };

    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    Kind kind() const { return m_kind; }
    bool isElement() const { return m_kind == Kind::Element; }
    Element* parent() const { return m_parent; }

    Children children() const;
    Node* nextSibling() const { return m_next; }
    // The children leave the tree, each standing alone (it may be moved into another tree with
    // Element::appendMoved); their memory goes with the document.
    void removeChildren();

    // The text of a text or comment node (empty for elements).
    std::string_view data() const;

    // Elements among the children, in order.
    std::vector<Element*> childElements() const;

protected:
    explicit Node(Kind kind)
        : m_kind(kind) {}
    // Nodes are never destroyed one by one: the arena frees them with the document.
    ~Node() = default;

private:
    friend class Element;
    // The kind last: the small fields of elements and texts fill the space behind it. A month
    // of rows is mostly cells and their texts, so every byte here counts a hundred thousand
    // times over.
    Element* m_parent = nullptr;
    Node* m_next = nullptr;
    Kind m_kind;
};

// A text or comment node: its text is held in the document's arena.
class CharacterNode final : public Node {
public:
    CharacterNode(Kind kind, NodeArena& arena, std::string_view text);

private:
    friend class Node;
    std::uint32_t m_size;
    const char* m_data;
};
