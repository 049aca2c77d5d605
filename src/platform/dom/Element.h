#pragma once

#include "platform/dom/Node.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;

struct Attribute {
    std::string name; // lower case
    std::string value;
};

// An HTML element: tag name (lower case), attributes in source order, children, and for
// frame and iframe elements the document loaded into the frame. Table, row and cell
// operations are here too, since rows and cells are plain elements.
class Element final : public Node {
public:
    // The markup language the parser read the element in: text inside <svg><style> is
    // markup-free character data, not raw style text as in HTML.
    enum class Namespace { Html, Svg, MathMl };

    explicit Element(std::string tagName, Namespace ns = Namespace::Html);
    ~Element() override;

    const std::string& tagName() const { return m_tagName; }
    Namespace elementNamespace() const { return m_namespace; }
    bool hasTag(std::string_view lowerCaseName) const { return m_tagName == lowerCaseName; }

    // Attribute names are matched without regard to case.
    const std::vector<Attribute>& attributes() const { return m_attributes; }
    std::optional<std::string> getAttribute(std::string_view name) const;
    bool hasAttribute(std::string_view name) const { return getAttribute(name).has_value(); }
    void setAttribute(std::string_view name, std::string value);
    void removeAttribute(std::string_view name);

    std::string className() const { return getAttribute("class").value_or(""); }
    void setClassName(std::string value) { setAttribute("class", std::move(value)); }

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
    void setAlign(std::string value) { setAttribute("align", std::move(value)); }

    // Frame and iframe elements: the document loaded into the frame, if any.
    Document* contentDocument() const { return m_contentDocument.get(); }
    void setContentDocument(std::unique_ptr<Document> document);
    std::unique_ptr<Document> takeContentDocument();

    // Called by the parser: appends an attribute without looking for an earlier one.
    void appendParsedAttribute(std::string name, std::string value) {
        m_attributes.push_back({std::move(name), std::move(value)});
    }

private:
    std::string m_tagName;
    Namespace m_namespace;
    std::vector<Attribute> m_attributes;
    std::unique_ptr<Document> m_contentDocument;
};

// Elements below `root` (root excluded) in document order.
std::vector<Element*> descendantElements(const Element& root);
// The same, keeping those with the given lower-case tag name.
std::vector<Element*> descendantsByTag(const Element& root, std::string_view lowerCaseName);
