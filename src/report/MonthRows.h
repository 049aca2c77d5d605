#pragma once

#include <functional>
#include <memory>
#include <string_view>

class Document;
class Element;

// A month's log rows as nodes: the rows of the one table body of a script-free document,
// in the order of the month's text, parsed as the report parses its rows. The walk keeps
// its rows this way beside their text, and the report copies them instead of parsing the
// text again.
namespace MonthRows {

// A document with an empty table body.
std::unique_ptr<Document> create();

// The table body that holds the rows.
Element& section(const Document& rows);

// Parses row text (rows' outer HTML, concatenated) behind the rows already there, in pieces
// of whole rows. False when the text is not whole rows piece by piece: the rows are then
// incomplete, and only a parse of the text in one piece gives the right tree.
bool parseInto(Document& rows, std::string_view text);
// The same text a piece at a time: each piece parsed into a document of its own, handed to
// `take`, and freed before the next. False at a piece that is not whole rows on its own (the
// pieces before it were taken): parseInto is false for the text then.
bool forEachPiece(std::string_view text, const std::function<void(const Document&)>& take);

// Copies every node of the table body of `from` to the end of `section`.
void appendCopies(Element& section, const Document& from);
// Moves them instead; `from` must then live as long as the tree of `section`.
void appendMoved(Element& section, Document& from);

} // namespace MonthRows
