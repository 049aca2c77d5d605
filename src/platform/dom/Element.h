#pragma once

#include "platform/dom/Node.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Document;

// Views into the document's arena: valid while the document holds its tree.
struct Attribute {
    std::string_view name; // lower case
    std::string_view value;
};

// An HTML element: tag name (lower case), attributes in source order, children, and for
// frame and iframe elements the document loaded into the frame. Table, row and cell
// operations are here too, since rows and cells are plain elements.
class Element final : public Node {
public:
    // The markup language the parser read the element in: text inside <svg><style> is
    // markup-free character data, not raw style text as in HTML.
    enum class Namespace : std::uint8_t { Html, Svg, MathMl };

    // Made by NodeArena only: `tagName` is the arena's own copy.
    Element(NodeArena& arena, const std::string& tagName, Namespace ns);

    const std::string& tagName() const { return *m_tagName; }
    Namespace elementNamespace() const { return m_namespace; }
    bool hasTag(std::string_view lowerCaseName) const { return *m_tagName == lowerCaseName; }

    // Attribute names are matched without regard to case.
    std::span<const Attribute> attributes() const { return {m_attributes, m_attributeCount}; }
    std::optional<std::string> getAttribute(std::string_view name) const;
    bool hasAttribute(std::string_view name) const { return findAttribute(name) != nullptr; }
    void setAttribute(std::string_view name, std::string_view value);
    void removeAttribute(std::string_view name);

    std::string className() const { return getAttribute("class").value_or(""); }
    void setClassName(std::string_view value) { setAttribute("class", value); }

    // The text a reader sees: no markup, whitespace collapsed, <br> and blocks as line
    // breaks, cells separated by tabs.
    std::string innerText() const;
    std::string outerHTML() const;
    std::string innerHTML() const;
    // Replaces the children by the parsed fragment. Scripts, event attributes and
    // script addresses are dropped: written markup never runs.
    void setInnerHTML(std::string_view html);

    // Table: its rows in table order (heads, bodies and feet, not nested tables').
    std::vector<Element*> rows() const;
    // Row: its td and th cells.
    std::vector<Element*> cells() const;
    // Row: appends a new td at the end of the row and returns it.
    Element& insertCell();
    int rowSpan() const;
    void setRowSpan(int span);
    std::string align() const { return getAttribute("align").value_or(""); }
    void setAlign(std::string_view value) { setAttribute("align", value); }

    // Frame and iframe elements: the document loaded into the frame, if any.
    Document* contentDocument() const;
    void setContentDocument(std::unique_ptr<Document> document);
    std::unique_ptr<Document> takeContentDocument();

    // New last children, made in this element's document.
    Element& appendElement(std::string_view tagName, Namespace ns = Namespace::Html);
    Node& appendText(std::string_view text);
    Node& appendComment(std::string_view text);
    // A deep copy of `source`, from any document, as the last child (a frame's document is
    // not copied).
    Node& appendClone(const Node& source);
    // Moves `node`, standing alone (see removeChildren), to the end of the children, without a
    // copy. Its memory stays with the document it was made in, which must live as long as this
    // tree does (Document::keepMovedNodesOf).
    void appendMoved(Node& node);

    // Called by the parser: room for `count` attributes, then each appended without looking
    // for an earlier one.
    void reserveAttributes(std::size_t count);
    void appendParsedAttribute(std::string_view name, std::string_view value);

private:
    friend class Node;
    const Attribute* findAttribute(std::string_view name) const;
    void appendNode(Node& child);
    NodeArena& arena() const { return *m_arena; }

    // Filling the space behind the node's kind. The attribute array holds a power of two.
    Namespace m_namespace;
    std::uint8_t m_attributeCapacityLog2 = 0;
    std::uint32_t m_attributeCount = 0;
    NodeArena* m_arena;
    Node* m_firstChild = nullptr;
    Node* m_lastChild = nullptr;
    const std::string* m_tagName;
    Attribute* m_attributes = nullptr;
};

// Elements below `root` (root excluded) in document order.
std::vector<Element*> descendantElements(const Element& root);
// The same, keeping those with the given lower-case tag name.
std::vector<Element*> descendantsByTag(const Element& root, std::string_view lowerCaseName);
