#include "platform/dom/HtmlSerializer.h"

#include "platform/Utf8.h"
#include "platform/dom/Element.h"

#include <array>

namespace {

bool isVoid(const std::string& tag) {
    static constexpr std::array<std::string_view, 16> voids = {
        "area", "base", "br",    "col",    "embed", "hr",  "img",   "input",
        "link", "meta", "param", "source", "track", "wbr", "frame", "basefont"};
    for (auto name : voids) {
        if (tag == name) {
            return true;
        }
    }
    return false;
}

// Elements whose text is written as it stands.
bool isRawText(const std::string& tag) {
    return tag == "style" || tag == "script" || tag == "xmp" || tag == "iframe" ||
           tag == "noembed" || tag == "noframes" || tag == "plaintext" || tag == "noscript";
}

void appendNode(std::string& out, const Node& node, const HtmlSerializer::Options& options,
                bool rawParent);

void appendChildren(std::string& out, const Element& element,
                    const HtmlSerializer::Options& options) {
    const bool raw = isRawText(element.tagName());
    for (const auto& child : element.children()) {
        appendNode(out, *child, options, raw);
    }
}

void appendElement(std::string& out, const Element& element,
                   const HtmlSerializer::Options& options) {
    out += '<';
    out += element.tagName();
    for (const auto& attribute : element.attributes()) {
        if (options.filter && !(*options.filter)(element, attribute)) {
            continue;
        }
        out += ' ';
        out += attribute.name;
        out += "=\"";
        HtmlSerializer::appendEscapedText(out, attribute.value, true);
        out += '"';
    }
    out += '>';
    if (isVoid(element.tagName())) {
        return;
    }
    appendChildren(out, element, options);
    if (!options.headEnd.empty() && element.hasTag("head")) {
        out += options.headEnd;
    }
    out += "</";
    out += element.tagName();
    out += '>';
}

void appendNode(std::string& out, const Node& node, const HtmlSerializer::Options& options,
                bool rawParent) {
    switch (node.kind()) {
    case Node::Kind::Element:
        appendElement(out, static_cast<const Element&>(node), options);
        break;
    case Node::Kind::Text:
        if (rawParent) {
            out += node.data();
        } else {
            HtmlSerializer::appendEscapedText(out, node.data(), false);
        }
        break;
    case Node::Kind::Comment:
        out += "<!--";
        out += node.data();
        out += "-->";
        break;
    }
}

} // namespace

void HtmlSerializer::appendEscapedText(std::string& out, std::string_view text, bool inAttribute) {
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            ++i;
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += inAttribute ? "&quot;" : "\"";
                break;
            case '<':
                out += inAttribute ? "<" : "&lt;";
                break;
            case '>':
                out += inAttribute ? ">" : "&gt;";
                break;
            default:
                out += c;
            }
            continue;
        }
        const char32_t code = Utf8::next(text, i);
        if (code == 0xA0) {
            out += "&nbsp;";
        } else if (code <= 0xFF) {
            Utf8::append(out, code);
        } else {
            out += "&#" + std::to_string(static_cast<unsigned long>(code)) + ';';
        }
    }
}

void HtmlSerializer::appendOuter(std::string& out, const Node& node, const Options& options) {
    appendNode(out, node, options, false);
}

void HtmlSerializer::appendInner(std::string& out, const Element& element, const Options& options) {
    appendChildren(out, element, options);
}
