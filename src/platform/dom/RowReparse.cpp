#include "platform/dom/Element.h"
#include "platform/dom/HtmlParser.h"

#include <array>

namespace {

// Cell markup whose written form parses back into the same elements wherever a parser put
// them in a cell: no raw text, no leading-newline rule, no table, form or foreign content.
bool isPlainCellMarkup(const Element& element) {
    static constexpr std::array<std::string_view, 28> plain = {
        "td",     "th",     "a",   "abbr", "b",     "big",  "br",  "center", "code",  "div",
        "em",     "font",   "i",   "img",  "label", "nobr", "p",   "s",      "small", "span",
        "strike", "strong", "sub", "sup",  "tt",    "u",    "wbr", "hr"};
    if (element.elementNamespace() != Element::Namespace::Html) {
        return false;
    }
    for (auto name : plain) {
        if (element.tagName() == name) {
            return true;
        }
    }
    return false;
}

bool keepsEveryAttribute(const Element& element) {
    const bool image = element.hasTag("img");
    for (const auto& attribute : element.attributes()) {
        if (!HtmlParser::isScriptFreeAttribute(image, attribute.name, attribute.value)) {
            return false;
        }
    }
    return true;
}

// Deeper cell markup is not plain (and must not exhaust the stack).
constexpr int MaxDepth = 64;

bool childrenReparseAlike(const Node& node, int depth) {
    if (depth > MaxDepth) {
        return false;
    }
    bool lastWasText = false;
    for (const auto& child : node.children()) {
        const bool text = child->kind() == Node::Kind::Text;
        if (text && lastWasText) {
            return false; // written side by side, they come back as one text
        }
        lastWasText = text;
        if (!child->isElement()) {
            continue;
        }
        const auto& element = static_cast<const Element&>(*child);
        if (!isPlainCellMarkup(element) || !keepsEveryAttribute(element) ||
            element.contentDocument() || !childrenReparseAlike(element, depth + 1)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool HtmlParser::reparsesAlike(const Element& row) {
    return row.hasTag("tr") && row.elementNamespace() == Element::Namespace::Html &&
           keepsEveryAttribute(row) && childrenReparseAlike(row, 0);
}
