#pragma once

#include <string_view>

class Element;

// Reads table rows written in the plain form the serializer writes them, as the program's
// stored months hold them: <tr> rows of <td>/<th> cells holding text only, lower-case names,
// each attribute as name="value", the serializer's own character references, blanks between
// rows and cells. For such text it builds the very tree gumbo builds for the rows in a table
// body, at a fraction of gumbo's cost; anything else it leaves to gumbo.
namespace PlainRowReader {

// Appends the rows of `text` to `section` and returns true when the whole text is in the
// plain form (with `stripScripts`, also when no attribute is one a script-free document
// drops); otherwise appends nothing and returns false.
bool readInto(Element& section, std::string_view text, bool stripScripts);

} // namespace PlainRowReader
