#include "platform/dom/Element.h"

#include "platform/AsciiCase.h"
#include "platform/dom/Document.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/InnerText.h"
#include "platform/dom/NodeArena.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <stdexcept>
#include <utility>

namespace {

void collectDescendants(const Node& node, std::vector<Element*>& out, std::string_view tag) {
    for (Node* child : node.children()) {
        if (!child->isElement()) {
            continue;
        }
        auto* element = static_cast<Element*>(child);
        if (tag.empty() || element->hasTag(tag)) {
            out.push_back(element);
        }
        collectDescendants(*element, out, tag);
    }
}

} // namespace

Element::Element(NodeArena& arena, const std::string& tagName, Namespace ns)
    : Node(Kind::Element)
    , m_namespace(ns)
    , m_arena(&arena)
    , m_tagName(&tagName) {}

void Element::appendNode(Node& child) {
    child.m_parent = this;
    child.m_next = nullptr;
    if (m_lastChild) {
        m_lastChild->m_next = &child;
    } else {
        m_firstChild = &child;
    }
    m_lastChild = &child;
}

const Attribute* Element::findAttribute(std::string_view name) const {
    for (const Attribute& attribute : attributes()) {
        if (AsciiCase::equal(attribute.name, name)) {
            return &attribute;
        }
    }
    return nullptr;
}

std::optional<std::string> Element::getAttribute(std::string_view name) const {
    const Attribute* attribute = findAttribute(name);
    return attribute ? std::optional<std::string>(attribute->value) : std::nullopt;
}

void Element::setAttribute(std::string_view name, std::string_view value) {
    if (const Attribute* found = findAttribute(name)) {
        auto& attribute = const_cast<Attribute&>(*found);
        if (attribute.value != value) {
            attribute.value = arena().copy(value);
        }
        return;
    }
    appendParsedAttribute(AsciiCase::lower(name), value);
}

void Element::removeAttribute(std::string_view name) {
    const auto end = std::remove_if(
        m_attributes, m_attributes + m_attributeCount,
        [name](const Attribute& attribute) { return AsciiCase::equal(attribute.name, name); });
    m_attributeCount = static_cast<std::uint32_t>(end - m_attributes);
}

void Element::reserveAttributes(std::size_t count) {
    const std::size_t capacity = m_attributes ? std::size_t{1} << m_attributeCapacityLog2 : 0;
    if (count <= capacity) {
        return;
    }
    const std::size_t slotCount = std::bit_ceil(count);
    Attribute* slots = arena().attributeSlots(slotCount);
    std::copy(m_attributes, m_attributes + m_attributeCount, slots);
    m_attributes = slots;
    m_attributeCapacityLog2 = static_cast<std::uint8_t>(std::countr_zero(slotCount));
}

void Element::appendParsedAttribute(std::string_view name, std::string_view value) {
    if (m_attributes == nullptr || m_attributeCount == std::size_t{1} << m_attributeCapacityLog2) {
        reserveAttributes(std::size_t{m_attributeCount} + 1);
    }
    m_attributes[m_attributeCount++] = {arena().intern(name), arena().copy(value)};
}

void Element::appendMoved(Node& node) {
    bool ownAncestor = false;
    for (const Node* up = this; up && !ownAncestor; up = up->m_parent) {
        ownAncestor = up == &node;
    }
    if (node.m_parent || ownAncestor) {
        throw std::logic_error("only a node standing alone, outside this tree, can be moved in");
    }
    appendNode(node);
}

Element& Element::appendElement(std::string_view tagName, Namespace ns) {
    Element& element = arena().makeElement(tagName, ns);
    appendNode(element);
    return element;
}

Node& Element::appendText(std::string_view text) {
    Node& node = arena().makeCharacter(Kind::Text, text);
    appendNode(node);
    return node;
}

Node& Element::appendComment(std::string_view text) {
    Node& node = arena().makeCharacter(Kind::Comment, text);
    appendNode(node);
    return node;
}

// Copies without recursion (a deeply nested tree must not exhaust the stack) and without a
// list of pending nodes: the copy follows the source's own child and sibling links.
Node& Element::appendClone(const Node& source) {
    const auto copyOne = [](const Node& from, Element& into) -> Node& {
        if (from.isElement()) {
            const auto& element = static_cast<const Element&>(from);
            Element& made = into.appendElement(element.tagName(), element.elementNamespace());
            made.reserveAttributes(element.m_attributeCount);
            for (const Attribute& attribute : element.attributes()) {
                made.appendParsedAttribute(attribute.name, attribute.value);
            }
            return made;
        }
        return from.kind() == Kind::Text ? into.appendText(from.data())
                                         : into.appendComment(from.data());
    };
    for (const Node* up = this; up; up = up->m_parent) {
        if (up == &source) {
            throw std::logic_error("a node cannot be copied into itself");
        }
    }
    Node& top = copyOne(source, *this);
    const Node* from = &source;
    Node* to = &top;
    while (true) {
        const Node* firstChild =
            from->isElement() ? static_cast<const Element*>(from)->m_firstChild : nullptr;
        if (firstChild) {
            to = &copyOne(*firstChild, static_cast<Element&>(*to));
            from = firstChild;
            continue;
        }
        // no children: on to the next sibling, climbing as far as needed, never above the top
        while (from != &source && !from->m_next) {
            from = from->m_parent;
            to = to->m_parent;
        }
        if (from == &source) {
            return top;
        }
        from = from->m_next;
        to = &copyOne(*from, *to->m_parent);
    }
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
    return appendElement("td");
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

Document* Element::contentDocument() const {
    return arena().frameDocument(*this);
}

void Element::setContentDocument(std::unique_ptr<Document> document) {
    arena().setFrameDocument(*this, std::move(document));
}

std::unique_ptr<Document> Element::takeContentDocument() {
    return arena().takeFrameDocument(*this);
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
