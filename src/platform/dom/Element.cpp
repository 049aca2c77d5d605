#include "platform/dom/Element.h"

#include "platform/AsciiCase.h"
#include "platform/dom/Document.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/InnerText.h"

#include <algorithm>
#include <charconv>

namespace {

void collectDescendants(const Node& node, std::vector<Element*>& out, std::string_view tag) {
    for (const auto& child : node.children()) {
        if (!child->isElement()) {
            continue;
        }
        auto* element = static_cast<Element*>(child.get());
        if (tag.empty() || element->hasTag(tag)) {
            out.push_back(element);
        }
        collectDescendants(*element, out, tag);
    }
}

} // namespace

Element::Element(std::string tagName, Namespace ns)
    : Node(Kind::Element)
    , m_tagName(std::move(tagName))
    , m_namespace(ns) {}

Element::~Element() = default;

std::optional<std::string> Element::getAttribute(std::string_view name) const {
    for (const auto& attribute : m_attributes) {
        if (AsciiCase::equal(attribute.name, name)) {
            return attribute.value;
        }
    }
    return std::nullopt;
}

void Element::setAttribute(std::string_view name, std::string value) {
    for (auto& attribute : m_attributes) {
        if (AsciiCase::equal(attribute.name, name)) {
            attribute.value = std::move(value);
            return;
        }
    }
    m_attributes.push_back({AsciiCase::lower(name), std::move(value)});
}

void Element::removeAttribute(std::string_view name) {
    std::erase_if(m_attributes, [name](const Attribute& attribute) {
        return AsciiCase::equal(attribute.name, name);
    });
}

std::string Element::innerText() const {
    return InnerText::of(*this);
}

std::string Element::outerHTML() const {
    std::string out;
    HtmlSerializer::appendOuter(out, *this);
    return out;
}

std::string Element::innerHTML() const {
    std::string out;
    HtmlSerializer::appendInner(out, *this);
    return out;
}

void Element::setInnerHTML(std::string_view html) {
    removeChildren();
    HtmlParser::parseFragmentInto(*this, html, {.stripScripts = true});
}

std::vector<Element*> Element::rows() const {
    std::vector<Element*> rows;
    for (Element* child : childElements()) {
        if (child->hasTag("tr")) {
            rows.push_back(child);
        } else if (child->hasTag("thead") || child->hasTag("tbody") || child->hasTag("tfoot")) {
            for (Element* row : child->childElements()) {
                if (row->hasTag("tr")) {
                    rows.push_back(row);
                }
            }
        }
    }
    return rows;
}

std::vector<Element*> Element::cells() const {
    std::vector<Element*> cells;
    for (Element* child : childElements()) {
        if (child->hasTag("td") || child->hasTag("th")) {
            cells.push_back(child);
        }
    }
    return cells;
}

Element& Element::insertCell() {
    return static_cast<Element&>(appendChild(std::make_unique<Element>("td")));
}

int Element::rowSpan() const {
    const std::string text = getAttribute("rowspan").value_or("1");
    int span = 1;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), span);
    return result.ec == std::errc() && span > 0 ? span : 1;
}

void Element::setRowSpan(int span) {
    setAttribute("rowspan", std::to_string(span));
}

void Element::setContentDocument(std::unique_ptr<Document> document) {
    m_contentDocument = std::move(document);
}

std::unique_ptr<Document> Element::takeContentDocument() {
    return std::move(m_contentDocument);
}

std::vector<Element*> descendantElements(const Element& root) {
    std::vector<Element*> out;
    collectDescendants(root, out, {});
    return out;
}

std::vector<Element*> descendantsByTag(const Element& root, std::string_view lowerCaseName) {
    std::vector<Element*> out;
    collectDescendants(root, out, lowerCaseName);
    return out;
}
