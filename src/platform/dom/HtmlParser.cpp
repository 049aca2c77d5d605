#include "platform/dom/HtmlParser.h"

#include "platform/AsciiCase.h"
#include "platform/dom/Element.h"
#include "platform/dom/NodeArena.h"
#include "platform/dom/PlainRowReader.h"

#include <algorithm>
#include <climits>
#include <gumbo.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// gumbo keeps an unknown element's name only in the text of its start tag, and after an
// ignored "</>" that text can begin with the end tag too (gumbo would then read it as an end
// tag, blanks and attributes and all). The name is what the tokenizer read: the run after the
// "<" that opens the start tag, up to a blank, "/" or ">". Anything longer, written out
// again, would be read back as attributes.
std::string_view nameInStartTag(std::string_view text) {
    while (text.starts_with("</")) {
        const auto close = text.find('>');
        if (close == std::string_view::npos) {
            break;
        }
        text.remove_prefix(close + 1);
    }
    if (text.starts_with("<")) {
        text.remove_prefix(1);
    }
    return text.substr(0, text.find_first_of(" \t\n\f\r/>"));
}

std::string unknownTagName(const GumboElement& element) {
    const std::string_view name =
        element.original_tag.data == nullptr
            ? std::string_view()
            : nameInStartTag({element.original_tag.data, element.original_tag.length});
    if (element.tag_namespace == GUMBO_NAMESPACE_SVG) {
        const GumboStringPiece piece{name.data(), name.size()};
        if (const char* svgName = gumbo_normalize_svg_tagname(&piece)) {
            return svgName;
        }
    }
    return AsciiCase::lower(name);
}

Element::Namespace namespaceOf(const GumboElement& element) {
    switch (element.tag_namespace) {
    case GUMBO_NAMESPACE_SVG:
        return Element::Namespace::Svg;
    case GUMBO_NAMESPACE_MATHML:
        return Element::Namespace::MathMl;
    case GUMBO_NAMESPACE_HTML:
        break;
    }
    return Element::Namespace::Html;
}

bool hasAttribute(const GumboElement& element, const char* name) {
    return gumbo_get_attribute(&element.attributes, name) != nullptr;
}

// Elements that can load or run active content, send the reader elsewhere or change where
// the page's addresses point; a script-free document has none of them. A meta that acts
// like an HTTP header (refresh, cookies) is dropped outside the head, where only rows go.
bool isActiveContent(const GumboElement& element, GumboTag parentTag) {
    switch (element.tag) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_FRAME:
    case GUMBO_TAG_OBJECT:
    case GUMBO_TAG_EMBED:
    case GUMBO_TAG_APPLET:
    case GUMBO_TAG_BASE:
    case GUMBO_TAG_LINK:
        return true;
    case GUMBO_TAG_META:
        return parentTag != GUMBO_TAG_HEAD && hasAttribute(element, "http-equiv");
    default:
        return false;
    }
}

// Letters only, lower case, without the blanks and control characters a browser skips:
// "java\tscript:" and " JavaScript:" are as dangerous as "javascript:".
std::string compactAddress(std::string_view value) {
    std::string compact;
    for (char c : value) {
        if (static_cast<unsigned char>(c) > ' ') {
            compact += AsciiCase::lower(c);
        }
    }
    return compact;
}

bool isScriptAddress(const std::string& compact) {
    return compact.find("javascript:") != std::string::npos ||
           compact.find("vbscript:") != std::string::npos ||
           compact.find("expression(") != std::string::npos;
}

// Attributes that send a form, ping a server or pick an image source we cannot check.
bool isActiveAttribute(std::string_view name) {
    return name == "srcdoc" || name == "action" || name == "formaction" || name == "srcset" ||
           name == "ping";
}

bool keepAttribute(GumboTag tag, const GumboAttribute& attribute, bool stripScripts) {
    // A NUL byte as a name reaches us as no name at all; saved as ` ="..."`, its value would
    // be read again as markup, so such an attribute never enters the tree.
    if (attribute.name[0] == '\0') {
        return false;
    }
    return !stripScripts ||
           HtmlParser::isScriptFreeAttribute(tag == GUMBO_TAG_IMG, attribute.name, attribute.value);
}

} // namespace

bool HtmlParser::isScriptFreeAttribute(bool onImage, std::string_view name,
                                       std::string_view value) {
    if (name.size() >= 2 && (name[0] == 'o' || name[0] == 'O') &&
        (name[1] == 'n' || name[1] == 'N')) {
        return false;
    }
    if (isActiveAttribute(name)) {
        return false;
    }
    const std::string compact = compactAddress(value);
    // an embedded image is only a picture; any other data: address can be a whole page
    const bool dataAddress = compact.rfind("data:", 0) == 0;
    const bool image = onImage && name == "src";
    return !isScriptAddress(compact) && (!dataAddress || image);
}

namespace {

struct Pending {
    const GumboNode* source;
    Element* target;
    unsigned childLimit = UINT_MAX; // only the first children are converted
};

std::string_view tagNameOf(const GumboElement& element, std::string& unknown) {
    if (element.tag != GUMBO_TAG_UNKNOWN) {
        return gumbo_normalized_tagname(element.tag);
    }
    unknown = unknownTagName(element);
    return unknown;
}

void copyAttributes(const GumboElement& source, Element& element, bool stripScripts) {
    element.reserveAttributes(source.attributes.length);
    for (unsigned i = 0; i < source.attributes.length; ++i) {
        const auto* attribute = static_cast<const GumboAttribute*>(source.attributes.data[i]);
        if (keepAttribute(source.tag, *attribute, stripScripts)) {
            element.appendParsedAttribute(attribute->name, attribute->value);
        }
    }
}

// Appends a converted copy of `node` (without its children) to `target`; the element made,
// if it is one.
Element* appendShallow(const GumboNode& node, Element& target, bool stripScripts) {
    switch (node.type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE: {
        const GumboElement& source = node.v.element;
        std::string unknown;
        Element& element = target.appendElement(tagNameOf(source, unknown), namespaceOf(source));
        copyAttributes(source, element, stripScripts);
        return &element;
    }
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA:
        target.appendText(node.v.text.text);
        break;
    case GUMBO_NODE_COMMENT:
        target.appendComment(node.v.text.text);
        break;
    case GUMBO_NODE_DOCUMENT:
        break;
    }
    return nullptr;
}

// Copies the children of every pending source element under its target, without
// recursion: a deeply nested page must not exhaust the stack.
void convertChildren(std::vector<Pending> pending, bool stripScripts) {
    std::vector<Pending> added;
    while (!pending.empty()) {
        const Pending next = pending.back();
        pending.pop_back();
        const GumboVector& children = next.source->v.element.children;
        const GumboTag parentTag = next.source->type == GUMBO_NODE_DOCUMENT
                                       ? GUMBO_TAG_UNKNOWN
                                       : next.source->v.element.tag;
        added.clear();
        for (unsigned i = 0; i < children.length && i < next.childLimit; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            const bool element =
                child->type == GUMBO_NODE_ELEMENT || child->type == GUMBO_NODE_TEMPLATE;
            if (element && stripScripts && isActiveContent(child->v.element, parentTag)) {
                continue;
            }
            if (Element* placed = appendShallow(*child, *next.target, stripScripts)) {
                added.push_back({child, placed});
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

Element& HtmlParser::parseDocument(NodeArena& arena, std::string_view html, Options options) {
    const GumboParse parse(html, GUMBO_TAG_LAST);
    const GumboElement& source = parse.root().v.element;
    std::string unknown;
    Element& root = arena.makeElement(tagNameOf(source, unknown), namespaceOf(source));
    copyAttributes(source, root, options.stripScripts);
    convertChildren({{&parse.root(), &root}}, options.stripScripts);
    return root;
}

void HtmlParser::parseFragmentInto(Element& context, std::string_view html, Options options) {
    // gumbo's fragment mode aborts the process on some inputs (foreign content around
    // <html>, <title> and <template>), so the fragment is parsed as the body of a document,
    // where title, style and the like stay where they stand, and the body's nodes are taken.
    const std::string page = "<!DOCTYPE html><body>" + std::string(html);
    const GumboParse parse(page, GUMBO_TAG_LAST);
    const GumboNode* body = nullptr;
    const GumboVector& parts = parse.root().v.element.children; // root: the html element
    for (unsigned i = 0; i < parts.length && !body; ++i) {
        const auto* part = static_cast<const GumboNode*>(parts.data[i]);
        if (part->type == GUMBO_NODE_ELEMENT && part->v.element.tag == GUMBO_TAG_BODY) {
            body = part;
        }
    }
    if (body) {
        convertChildren({{body, &context}}, options.stripScripts);
    }
}

namespace {

// Closes every piece of rows: a row that only parses as a row of the table body when the
// piece before it left the parser between rows, as the next piece's first row finds it.
constexpr std::string_view PieceEndRow = R"(<tr id="veltrix-piece-end"></tr>)";

std::vector<const GumboNode*> childNodes(const GumboNode& node) {
    std::vector<const GumboNode*> nodes;
    const GumboVector& children = node.v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        nodes.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    return nodes;
}

bool isElement(const GumboNode* node, GumboTag tag) {
    return node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag;
}

bool isPieceEnd(const GumboNode* node) {
    if (!isElement(node, GUMBO_TAG_TR) || node->v.element.children.length != 0) {
        return false;
    }
    const GumboAttribute* id = gumbo_get_attribute(&node->v.element.attributes, "id");
    return id && std::string_view(id->value) == "veltrix-piece-end";
}

// A form left open in one row keeps later forms out of the document: the state does not end
// with the piece.
bool holdsForm(const GumboNode& section) {
    std::vector<const GumboNode*> pending{&section};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) {
            if (node->v.element.tag == GUMBO_TAG_FORM) {
                return true;
            }
            const auto children = childNodes(*node);
            pending.insert(pending.end(), children.begin(), children.end());
        }
    }
    return false;
}

// The table body of a parsed piece when the piece held whole rows only: nothing was moved out
// of the table, no table section was opened or closed, and the closing row landed in the
// body, so no element, comment or quoted value was left open across the piece's end.
const GumboNode* cleanSection(const GumboNode& html) {
    const auto parts = childNodes(html);
    if (parts.size() != 2 || !isElement(parts[0], GUMBO_TAG_HEAD) ||
        parts[0]->v.element.children.length != 0 || !isElement(parts[1], GUMBO_TAG_BODY)) {
        return nullptr;
    }
    const auto inBody = childNodes(*parts[1]);
    if (inBody.size() != 1 || !isElement(inBody[0], GUMBO_TAG_TABLE)) {
        return nullptr;
    }
    const auto inTable = childNodes(*inBody[0]);
    if (inTable.size() != 1 || !isElement(inTable[0], GUMBO_TAG_TBODY)) {
        return nullptr;
    }
    const auto rows = childNodes(*inTable[0]);
    if (rows.empty() || !isPieceEnd(rows.back()) || holdsForm(*inTable[0])) {
        return nullptr;
    }
    return inTable[0];
}

bool startsWithRow(std::string_view text) {
    return text.size() > 3 && text[0] == '<' && AsciiCase::equal(text.substr(1, 2), "tr") &&
           (text[3] == '>' || text[3] == ' ' || text[3] == '\t' || text[3] == '\n' ||
            text[3] == '\r' || text[3] == '\f' || text[3] == '/');
}

// Where a piece of about `rows` rows from `from` ends: after an end tag of a row that only
// blanks separate from the next row's start tag. The cut does not read the markup exactly:
// a piece cut in a wrong place (inside a comment, a value or a nested table) does not parse
// cleanly and is refused.
std::size_t pieceEnd(std::string_view text, std::size_t from, std::size_t rows) {
    std::size_t count = 0;
    for (std::size_t at = text.find("</", from); at != std::string_view::npos;
         at = text.find("</", at + 2)) {
        if (!AsciiCase::equal(text.substr(at + 2, 3), "tr>") || ++count < rows) {
            continue;
        }
        const std::size_t end = at + 5;
        const std::size_t next = text.find_first_not_of(" \t\r\n\f", end);
        if (next == std::string_view::npos) {
            return text.size();
        }
        if (startsWithRow(text.substr(next))) {
            return end;
        }
    }
    return text.size();
}

} // namespace

std::vector<std::string_view> HtmlParser::rowPieces(std::string_view rows,
                                                    std::size_t rowsPerPiece) {
    std::vector<std::string_view> pieces;
    for (std::size_t from = 0; from < rows.size();) {
        const std::size_t end = pieceEnd(rows, from, std::max<std::size_t>(rowsPerPiece, 1));
        pieces.push_back(rows.substr(from, end - from));
        from = end;
    }
    return pieces;
}

bool HtmlParser::parseRowsInto(Element& section, std::string_view rows, const RowContext& context,
                               Options options) {
    std::string page;
    for (const std::string_view piece : rowPieces(rows, context.rowsPerPiece)) {
        // Rows in the form the program writes them are read without gumbo, to the same tree.
        if (PlainRowReader::readInto(section, piece, options.stripScripts)) {
            continue;
        }
        page.assign(context.documentStart).append("<table><tbody>");
        page.append(piece).append(PieceEndRow);
        const GumboParse parse(page, GUMBO_TAG_LAST);
        const GumboNode* body = cleanSection(parse.root());
        if (!body) {
            return false;
        }
        convertChildren({{body, &section, body->v.element.children.length - 1}},
                        options.stripScripts);
    }
    return true;
}
