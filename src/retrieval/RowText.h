#pragma once

#include <string_view>
#include <vector>

// Cuts a row text (table rows' outer HTML, concatenated) back into its rows, so stored
// months can be compared row by row.
namespace RowText {

struct Piece {
    std::string_view text;
    // A whole `<tr ...>...</tr>` element. Anything else (blanks between rows, a row cut
    // short, garbage) is kept as a piece of its own so that nothing is lost.
    bool isRow = false;
};

// The pieces in order; joined again they give `text` exactly. Tag names match without
// regard to case, rows nested in a cell's table belong to their outer row, and quoted
// attribute values and comments never end or start a row.
std::vector<Piece> split(std::string_view text);

// What makes a row the row it is: its cells, the text between its own start and end tags
// (the row's attributes left out). Two rows with the same cells are the same log row.
// `row` is a piece split gave as a row.
std::string_view cellsOf(std::string_view row);

} // namespace RowText
