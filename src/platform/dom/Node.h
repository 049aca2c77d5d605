#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Element;

// A node of our own mutable HTML tree: an element, a piece of text or a comment. The tree is
// built from gumbo's read-only one and then changed freely (attributes, cells, inner HTML).
class Node {
public:
    enum class Kind { Element, Text, Comment };

    explicit Node(Kind kind)
        : m_kind(kind) {}
    virtual ~Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    Kind kind() const { return m_kind; }
    bool isElement() const { return m_kind == Kind::Element; }
    Element* parent() const { return m_parent; }

    const std::vector<std::unique_ptr<Node>>& children() const { return m_children; }
    Node& appendChild(std::unique_ptr<Node> child);
    void removeChildren();

    // The text of a text or comment node (empty for elements).
    const std::string& data() const { return m_data; }
    void setData(std::string data) { m_data = std::move(data); }

    // Elements among the children, in order.
    std::vector<Element*> childElements() const;

    // A deep copy of this node and everything below it (a frame's document is not copied).
    std::unique_ptr<Node> clone() const;

private:
    Kind m_kind;
    Element* m_parent = nullptr;
    std::vector<std::unique_ptr<Node>> m_children;
    std::string m_data;
};

// A text or comment node.
class CharacterNode final : public Node {
public:
    CharacterNode(Kind kind, std::string data)
        : Node(kind) {
        setData(std::move(data));
    }
};
