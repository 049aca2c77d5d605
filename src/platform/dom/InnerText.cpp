#include "platform/dom/InnerText.h"

#include "platform/dom/Element.h"

#include <array>
#include <string_view>

namespace {

bool isHidden(std::string_view tag) {
    return tag == "script" || tag == "style" || tag == "head" || tag == "title" ||
           tag == "template" || tag == "noscript" || tag == "iframe" || tag == "frame" ||
           tag == "frameset" || tag == "noframes" || tag == "select" || tag == "option";
}

bool isBlock(std::string_view tag) {
    static constexpr std::array<std::string_view, 30> blocks = {
        "address", "article", "aside", "blockquote", "body", "center",   "dd",     "details",
        "dialog",  "dir",     "div",   "dl",         "dt",   "fieldset", "figure", "footer",
        "form",    "h1",      "h2",    "h3",         "h4",   "h5",       "h6",     "header",
        "hr",      "li",      "main",  "nav",        "ol",   "ul"};
    for (auto name : blocks) {
        if (tag == name) {
            return true;
        }
    }
    return tag == "table" || tag == "tr" || tag == "caption" || tag == "pre" || tag == "section" ||
           tag == "menu" || tag == "html";
}

bool isWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Collects rendered text: collapsible spaces and required line breaks are held back until
// the next visible character, so nothing trails at the end.
class TextBuilder {
public:
    void text(std::string_view data) {
        for (char c : data) {
            if (isWhitespace(c)) {
                m_space = true;
                continue;
            }
            flushBreaks();
            if (m_space && !m_atLineStart) {
                m_out += ' ';
            }
            m_space = false;
            m_out += c;
            m_atLineStart = false;
        }
    }
    void requireBreaks(int count) {
        m_breaks = std::max(m_breaks, count);
        m_space = false;
    }
    void forced(char c) {
        flushBreaks();
        m_out += c;
        m_space = false;
        m_atLineStart = c == '\n';
    }
    std::string take() { return std::move(m_out); }

private:
    void flushBreaks() {
        if (m_breaks > 0 && !m_out.empty()) {
            m_out.append(static_cast<std::size_t>(m_breaks), '\n');
            m_atLineStart = true;
        }
        m_breaks = 0;
    }
    std::string m_out;
    bool m_space = false;
    bool m_atLineStart = true;
    int m_breaks = 0;
};

void collect(const Element& element, TextBuilder& builder);

void collectChildren(const Element& element, TextBuilder& builder) {
    bool firstCell = true;
    for (const auto& child : element.children()) {
        if (child->kind() == Node::Kind::Text) {
            builder.text(child->data());
        } else if (child->isElement()) {
            const auto& childElement = static_cast<const Element&>(*child);
            const bool cell = childElement.hasTag("td") || childElement.hasTag("th");
            if (cell && !firstCell) {
                builder.forced('\t');
            }
            firstCell = firstCell && !cell;
            collect(childElement, builder);
        }
    }
}

void collect(const Element& element, TextBuilder& builder) {
    const std::string_view tag = element.tagName();
    if (isHidden(tag)) {
        return;
    }
    if (tag == "br") {
        builder.forced('\n');
        return;
    }
    const int breaks = tag == "p" ? 2 : isBlock(tag) ? 1 : 0;
    if (breaks > 0) {
        builder.requireBreaks(breaks);
    }
    collectChildren(element, builder);
    if (breaks > 0) {
        builder.requireBreaks(breaks);
    }
}

} // namespace

std::string InnerText::of(const Element& element) {
    TextBuilder builder;
    // The element's own display does not matter for its own text (a cell's text is read
    // even though cells are not blocks), only its descendants'.
    if (element.hasTag("br")) {
        return "\n";
    }
    collectChildren(element, builder);
    return builder.take();
}
