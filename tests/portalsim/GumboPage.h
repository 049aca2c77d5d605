#pragma once

#include <gumbo.h>
#include <string>
#include <string_view>
#include <vector>

// A portal page parsed the way the walk's DOM reads it: the Latin-1 bytes decoded, the tree
// built by an HTML5 parser (implied html, head, body and tbody included), elements counted
// in document order. Texts are returned as UTF-8.
class GumboPage {
public:
    explicit GumboPage(std::string_view latin1Html);
    ~GumboPage();
    GumboPage(const GumboPage&) = delete;
    GumboPage& operator=(const GumboPage&) = delete;

    // The document's `All` collection.
    const std::vector<const GumboNode*>& all() const { return m_all; }
    std::vector<const GumboNode*> byTag(GumboTag tag) const;
    // Rows of a table in table order (through tbody/thead/tfoot), not those of nested tables.
    static std::vector<const GumboNode*> rows(const GumboNode* table);
    static std::vector<const GumboNode*> cells(const GumboNode* row);
    static std::string innerText(const GumboNode* node);
    static std::string attribute(const GumboNode* node, const char* name);

    std::string title() const;
    // innerText of table `table`, row `row`, cell `cell`; "" when any of them is missing.
    std::string cellText(std::size_t table, std::size_t row, std::size_t cell) const;
    // The first link whose inner text is exactly `text`, or null.
    const GumboNode* link(std::string_view text) const;
    // Elements of tag frame or iframe, in document order.
    std::vector<const GumboNode*> frames() const;

private:
    GumboOutput* m_output;
    std::vector<const GumboNode*> m_all;
};
