#include "platform/dom/Document.h"

#include "platform/AsciiCase.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/NodeArena.h"

namespace {

std::string collapseWhitespace(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            space = !out.empty();
        } else {
            if (space) {
                out += ' ';
            }
            space = false;
            out += c;
        }
    }
    return out;
}

} // namespace

void StyleSheet::AddRule(std::string selector, std::string declaration) {
    m_owner.m_rules.push_back({std::move(selector), std::move(declaration)});
}

Document::Document(Scripts scripts)
    : m_scripts(scripts) {
    parseTree("");
}

Document::~Document() = default;

std::unique_ptr<Document> Document::parse(std::string_view html, Scripts scripts) {
    auto document = std::make_unique<Document>(scripts);
    document->parseTree(html);
    return document;
}

// The old tree goes with its arena: nothing of it is referred to once a new tree is written.
void Document::parseTree(std::string_view html) {
    auto arena = std::make_unique<NodeArena>();
    m_root =
        &HtmlParser::parseDocument(*arena, html, {.stripScripts = m_scripts == Scripts::Strip});
    m_arena = std::move(arena);
    m_movedFrom.clear();
    m_sheets.clear();
    m_rules.clear();
}

Element* Document::head() const {
    for (Element* child : m_root->childElements()) {
        if (child->hasTag("head")) {
            return child;
        }
    }
    return nullptr;
}

Element* Document::body() const {
    for (Element* child : m_root->childElements()) {
        if (child->hasTag("body") || child->hasTag("frameset")) {
            return child;
        }
    }
    return nullptr;
}

std::string Document::rawTitle() const {
    const auto titles = descendantsByTag(*m_root, "title");
    std::string text;
    if (!titles.empty()) {
        for (Node* child : titles.front()->children()) {
            if (child->kind() == Node::Kind::Text) {
                text += child->data();
            }
        }
    }
    return text;
}

std::string Document::title() const {
    return collapseWhitespace(rawTitle());
}

std::vector<Element*> Document::all() const {
    std::vector<Element*> elements{m_root};
    const auto below = descendantElements(*m_root);
    elements.insert(elements.end(), below.begin(), below.end());
    return elements;
}

std::vector<Element*> Document::getElementsByTagName(std::string_view name) const {
    const std::string tag = AsciiCase::lower(name);
    if (tag == "*") {
        return all();
    }
    std::vector<Element*> elements;
    if (m_root->hasTag(tag)) {
        elements.push_back(m_root);
    }
    const auto below = descendantsByTag(*m_root, tag);
    elements.insert(elements.end(), below.begin(), below.end());
    return elements;
}

std::vector<Element*> Document::frames() const {
    std::vector<Element*> frames;
    for (Element* element : descendantElements(*m_root)) {
        if (element->hasTag("frame") || element->hasTag("iframe")) {
            frames.push_back(element);
        }
    }
    return frames;
}

std::vector<Element*> Document::forms() const {
    return descendantsByTag(*m_root, "form");
}

std::vector<Element*> Document::links() const {
    std::vector<Element*> links;
    for (Element* element : descendantElements(*m_root)) {
        if ((element->hasTag("a") || element->hasTag("area")) && element->hasAttribute("href")) {
            links.push_back(element);
        }
    }
    return links;
}

void Document::Clear() {
    m_pendingWrite.clear();
}

void Document::Write(std::string_view html) {
    m_pendingWrite.append(html);
}

void Document::Close() {
    parseTree(m_pendingWrite);
    m_pendingWrite.clear();
    m_pendingWrite.shrink_to_fit();
}

void Document::keepMovedNodesOf(std::shared_ptr<Document> other) {
    m_movedFrom.push_back(std::move(other));
}

StyleSheet& Document::createStyleSheet() {
    m_sheets.push_back(std::make_unique<StyleSheet>(*this));
    return *m_sheets.back();
}

std::string Document::styleText() const {
    std::string text;
    for (const auto& rule : m_rules) {
        text += rule.selector + "{" + rule.declaration + "}\n";
    }
    return text;
}

std::string Document::outerHTML() const {
    std::string out;
    HtmlSerializer::Options options;
    std::string style;
    if (!m_rules.empty()) {
        // The rules are written in a style element at the end of the head: the tree (and
        // its All collection) stays as written.
        style = "<style>\n" + styleText() + "</style>";
        options.headEnd = style;
    }
    HtmlSerializer::appendOuter(out, *m_root, options);
    return out;
}
