#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

class Element;
class NodeArena;

// Turns UTF-8 HTML into our own tree through gumbo, as an HTML5 browser builds it.
namespace HtmlParser {

struct Options {
    // Drop script elements, on* event attributes and javascript:/vbscript: addresses.
    bool stripScripts = false;
};

// The html element of the parsed document, made in `arena`. gumbo's tree is freed before
// this returns.
Element& parseDocument(NodeArena& arena, std::string_view html, Options options);

// Parses a fragment as the content of a body (for inner HTML) and appends the resulting
// nodes to it.
void parseFragmentInto(Element& context, std::string_view html, Options options);

// Where rows go: the markup that starts their document (its doctype, which sets how tables
// nest in paragraphs) and how many rows one piece holds at most.
struct RowContext {
    std::string_view documentStart;
    std::size_t rowsPerPiece = 1000;
};

// Parses table rows' outer HTML, concatenated, as the rows of a table body in a document that
// starts with `context.documentStart`, and appends them to `section`. The text is parsed in
// pieces of whole rows, each converted and freed before the next, so a month of rows never
// holds the parser's tree of all of them at once. False when a piece is not whole rows on
// its own (text outside a cell, an element, comment or value left open, a table section or
// a form): the section then holds part of the rows, and only one parse of the whole text in
// its document gives the right tree.
bool parseRowsInto(Element& section, std::string_view rows, const RowContext& context,
                   Options options);
// The pieces parseRowsInto reads one by one: runs of about `rowsPerPiece` rows, cut after a
// row's end tag that only blanks separate from the next row's start tag.
std::vector<std::string_view> rowPieces(std::string_view rows, std::size_t rowsPerPiece);

// Whether `row`, a row of a parsed page, becomes the same tree again when its outer HTML is
// parsed as a row of a table body with `stripScripts`: it holds only text, comments and plain
// cell markup (formatting, paragraphs, links, images), nothing a script-free document drops,
// and no two texts side by side. A copy of such a row can stand for its text parsed again.
bool reparsesAlike(const Element& row);

// Whether a script-free document keeps this attribute (event handlers, script and data
// addresses, form and ping targets are dropped; a data address stays on an image's source).
bool isScriptFreeAttribute(bool onImage, std::string_view name, std::string_view value);

} // namespace HtmlParser
