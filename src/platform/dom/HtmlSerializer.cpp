#include "platform/dom/HtmlSerializer.h"

#include "platform/AsciiCase.h"
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

// Elements whose text a browser reads as it stands, up to the element's own end tag. Only
// HTML elements: inside <svg> or <math> a <style> holds ordinary text, whose "&lt;" must
// stay escaped. <noscript> is not among them: our parser reads its content as markup, so
// its text was decoded and must be escaped again.
bool isRawText(const Element& element) {
    if (element.elementNamespace() != Element::Namespace::Html) {
        return false;
    }
    const std::string_view tag = element.tagName();
    return tag == "style" || tag == "script" || tag == "xmp" || tag == "iframe" ||
           tag == "noembed" || tag == "noframes" || tag == "plaintext";
}

// Text that would end its raw-text element early (only a changed tree can hold it) is
// escaped instead: harmless text beats live markup.
bool closesRawText(std::string_view text, std::string_view tag) {
    for (std::size_t at = text.find("</"); at != std::string_view::npos;
         at = text.find("</", at + 2)) {
        if (AsciiCase::equal(text.substr(at + 2, tag.size()), tag)) {
            return true;
        }
    }
    return false;
}

// A browser with scripting on reads <noscript> as raw text up to "</noscript", wherever that
// stands, even inside a quoted attribute value; below a noscript, attribute values escape
// "<" and ">" too. Elsewhere they stay as they are, so stored rows keep their text.
struct Writer {
    std::string& out;
    const HtmlSerializer::Options& options;

    void node(const Node& node, const Element* rawParent, bool inNoscript);
    void children(const Element& element, bool inNoscript);
    void element(const Element& element, bool inNoscript);
    void attributeValue(std::string_view value, bool inNoscript);
};

bool hasNoscriptAncestor(const Node& node) {
    for (const Element* up = node.parent(); up; up = up->parent()) {
        if (up->hasTag("noscript")) {
            return true;
        }
    }
    return false;
}

void Writer::children(const Element& parent, bool inNoscript) {
    const Element* raw = isRawText(parent) ? &parent : nullptr;
    inNoscript = inNoscript || parent.hasTag("noscript");
    for (const auto& child : parent.children()) {
        if (!options.omit || !(*options.omit)(*child)) {
            node(*child, raw, inNoscript);
        }
    }
}

void Writer::attributeValue(std::string_view value, bool inNoscript) {
    if (!inNoscript) {
        HtmlSerializer::appendEscapedText(out, value, true);
        return;
    }
    std::string escaped;
    HtmlSerializer::appendEscapedText(escaped, value, true);
    for (char c : escaped) {
        out += c == '<' ? std::string_view("&lt;") : c == '>' ? "&gt;" : std::string_view(&c, 1);
    }
}

void Writer::element(const Element& element, bool inNoscript) {
    out += '<';
    out += element.tagName();
    for (const auto& attribute : element.attributes()) {
        if (options.filter && !(*options.filter)(element, attribute)) {
            continue;
        }
        out += ' ';
        out += attribute.name;
        out += "=\"";
        attributeValue(attribute.value, inNoscript);
        out += '"';
    }
    out += '>';
    if (isVoid(element.tagName())) {
        return;
    }
    children(element, inNoscript);
    if (!options.headEnd.empty() && element.hasTag("head")) {
        out += options.headEnd;
    }
    out += "</";
    out += element.tagName();
    out += '>';
}

void Writer::node(const Node& node, const Element* rawParent, bool inNoscript) {
    switch (node.kind()) {
    case Node::Kind::Element:
        element(static_cast<const Element&>(node), inNoscript);
        break;
    case Node::Kind::Text:
        if (rawParent && !closesRawText(node.data(), rawParent->tagName())) {
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
    Writer{out, options}.node(node, nullptr, hasNoscriptAncestor(node));
}

void HtmlSerializer::appendInner(std::string& out, const Element& element, const Options& options) {
    Writer{out, options}.children(element, hasNoscriptAncestor(element));
}
