#pragma once

#include "platform/dom/Element.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct StyleRule {
    std::string selector;
    std::string declaration;
};

class Document;
class NodeArena;

// A style sheet created on a document; its rules belong to the document.
class StyleSheet {
public:
    explicit StyleSheet(Document& owner)
        : m_owner(owner) {}
    void AddRule(std::string selector, std::string declaration);

private:
    Document& m_owner;
};

// An HTML document: the tree under the html element, its address, and the style rules
// added to it. Scripts never run. A report document ("script-free") also drops script
// elements, event attributes and script addresses when it is written, so markup that came
// from the portal cannot run code when the report is shown or opened from a file.
class Document {
public:
    enum class Scripts { Keep, Strip };

    explicit Document(Scripts scripts = Scripts::Keep);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Parses UTF-8 HTML as a browser does (implied html, head, body and tbody included).
    static std::unique_ptr<Document> parse(std::string_view html, Scripts scripts = Scripts::Keep);

    Scripts scripts() const { return m_scripts; }
    const std::string& url() const { return m_url; }
    void setUrl(std::string url) { m_url = std::move(url); }
    // The encoding the page arrived in (lower case, "utf-8" when unknown); forms are sent in it.
    const std::string& charset() const { return m_charset; }
    void setCharset(std::string charset) { m_charset = std::move(charset); }

    Element* documentElement() const { return m_root; }
    Element* head() const;
    Element* body() const;
    // Text of the first title element, whitespace collapsed and trimmed.
    std::string title() const;
    // The same text as the page writes it, blanks included.
    std::string rawTitle() const;

    // Every element in document order, the html element first.
    std::vector<Element*> all() const;
    // Elements with this tag name (any case), in document order.
    std::vector<Element*> getElementsByTagName(std::string_view name) const;
    // frame and iframe elements, in document order.
    std::vector<Element*> frames() const;
    std::vector<Element*> forms() const;
    // a and area elements that carry an href, in document order.
    std::vector<Element*> links() const;

    // Replacing the whole document: Clear, then Write any number of times, then Close.
    void Clear();
    void Write(std::string_view html);
    void Close();

    // Nodes moved into this tree from `other` (Element::appendMoved) live in its memory: it is
    // kept, tree and all, until this document's tree is replaced.
    void keepMovedNodesOf(std::shared_ptr<Document> other);

    StyleSheet& createStyleSheet();
    const std::vector<StyleRule>& styleRules() const { return m_rules; }
    // The style rules as the text of a style element ("selector{declaration}" lines).
    std::string styleText() const;

    // The html element's outer HTML with the style rules in a style element at the end of
    // the head: the document as it is saved.
    std::string outerHTML() const;

private:
    friend class StyleSheet;
    void parseTree(std::string_view html);

    Scripts m_scripts;
    std::string m_url;
    std::string m_charset = "utf-8";
    // The tree and all its memory; a new tree gets a new arena.
    std::unique_ptr<NodeArena> m_arena;
    std::vector<std::shared_ptr<Document>> m_movedFrom;
    Element* m_root = nullptr;
    std::vector<std::unique_ptr<StyleSheet>> m_sheets;
    std::vector<StyleRule> m_rules;
    std::string m_pendingWrite;
};
