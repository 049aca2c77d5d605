#include "platform/dom/HtmlParser.h"

#include "platform/AsciiCase.h"
#include "platform/dom/Element.h"

#include <gumbo.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string tagNameOf(const GumboElement& element) {
    if (element.tag != GUMBO_TAG_UNKNOWN) {
        return gumbo_normalized_tagname(element.tag);
    }
    GumboStringPiece original = element.original_tag;
    gumbo_tag_from_original_text(&original);
    if (element.tag_namespace == GUMBO_NAMESPACE_SVG) {
        if (const char* svgName = gumbo_normalize_svg_tagname(&original)) {
            return svgName;
        }
    }
    return AsciiCase::lower(std::string_view(original.data, original.length));
}

// Elements that can load or run active content; a script-free document has none of them.
bool isActiveContent(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_FRAME:
    case GUMBO_TAG_OBJECT:
    case GUMBO_TAG_EMBED:
    case GUMBO_TAG_APPLET:
    case GUMBO_TAG_BASE:
        return true;
    default:
        return false;
    }
}

// "java\tscript:" and " JavaScript:" are as dangerous as "javascript:".
bool isScriptAddress(std::string_view value) {
    std::string compact;
    for (char c : value) {
        if (static_cast<unsigned char>(c) > ' ') {
            compact += AsciiCase::lower(c);
        }
    }
    return compact.find("javascript:") != std::string::npos ||
           compact.find("vbscript:") != std::string::npos ||
           compact.find("expression(") != std::string::npos;
}

bool keepAttribute(const GumboAttribute& attribute, bool stripScripts) {
    if (!stripScripts) {
        return true;
    }
    const std::string_view name(attribute.name);
    if (name.size() >= 2 && (name[0] == 'o' || name[0] == 'O') &&
        (name[1] == 'n' || name[1] == 'N')) {
        return false;
    }
    return name != "srcdoc" && !isScriptAddress(attribute.value);
}

struct Pending {
    const GumboNode* source;
    Element* target;
};

std::unique_ptr<Node> convertShallow(const GumboNode& node, bool stripScripts) {
    switch (node.type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE: {
        const GumboElement& source = node.v.element;
        auto element = std::make_unique<Element>(tagNameOf(source));
        for (unsigned i = 0; i < source.attributes.length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(source.attributes.data[i]);
            if (keepAttribute(*attribute, stripScripts)) {
                element->appendParsedAttribute(attribute->name, attribute->value);
            }
        }
        return element;
    }
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA:
        return std::make_unique<CharacterNode>(Node::Kind::Text, node.v.text.text);
    case GUMBO_NODE_COMMENT:
        return std::make_unique<CharacterNode>(Node::Kind::Comment, node.v.text.text);
    case GUMBO_NODE_DOCUMENT:
        break;
    }
    return nullptr;
}

// Copies the children of every pending source element under its target, without
// recursion: a deeply nested page must not exhaust the stack.
void convertChildren(std::vector<Pending> pending, bool stripScripts) {
    while (!pending.empty()) {
        const Pending next = pending.back();
        pending.pop_back();
        const GumboVector& children = next.source->v.element.children;
        std::vector<Pending> added;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            const bool element =
                child->type == GUMBO_NODE_ELEMENT || child->type == GUMBO_NODE_TEMPLATE;
            if (element && stripScripts && isActiveContent(child->v.element.tag)) {
                continue;
            }
            auto converted = convertShallow(*child, stripScripts);
            if (!converted) {
                continue;
            }
            Node& placed = next.target->appendChild(std::move(converted));
            if (element) {
                added.push_back({child, static_cast<Element*>(&placed)});
            }
        }
        pending.insert(pending.end(), added.rbegin(), added.rend());
    }
}

class GumboParse {
public:
    GumboParse(std::string_view html, GumboTag context) {
        GumboOptions options = kGumboDefaultOptions;
        options.fragment_context = context;
        options.fragment_namespace = GUMBO_NAMESPACE_HTML;
        m_output = gumbo_parse_with_options(&options, html.data(), html.size());
    }
    ~GumboParse() { gumbo_destroy_output(&kGumboDefaultOptions, m_output); }
    GumboParse(const GumboParse&) = delete;
    GumboParse& operator=(const GumboParse&) = delete;
    const GumboNode& root() const { return *m_output->root; }

private:
    GumboOutput* m_output;
};

} // namespace

std::unique_ptr<Element> HtmlParser::parseDocument(std::string_view html, Options options) {
    const GumboParse parse(html, GUMBO_TAG_LAST);
    auto root = convertShallow(parse.root(), options.stripScripts);
    auto* element = static_cast<Element*>(root.release());
    std::unique_ptr<Element> result(element);
    convertChildren({{&parse.root(), result.get()}}, options.stripScripts);
    return result;
}

void HtmlParser::parseFragmentInto(Element& context, std::string_view html, Options options) {
    GumboTag tag = gumbo_tagn_enum(context.tagName().data(), context.tagName().size());
    if (tag == GUMBO_TAG_UNKNOWN) {
        tag = GUMBO_TAG_DIV;
    }
    const GumboParse parse(html, tag);
    // A fragment parses into an html element whose children are the fragment's nodes.
    convertChildren({{&parse.root(), &context}}, options.stripScripts);
}
