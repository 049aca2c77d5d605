#pragma once

#include <string>
#include <string_view>

// Text conversions at the portal's edges: pages go out in ISO-8859-1, settings and form
// values may arrive as UTF-8 or Latin-1.
namespace SimText {

// UTF-8 to Latin-1; characters outside Latin-1 become '?'.
std::string latin1FromUtf8(std::string_view utf8);
std::string utf8FromLatin1(std::string_view latin1);
// A submitted form value as UTF-8: browsers encode forms in the page's charset (Latin-1
// here), some in UTF-8 regardless; bytes that are not valid UTF-8 are read as Latin-1.
std::string formValueToUtf8(std::string_view bytes);
// Escapes & < > " for element text and attribute values.
std::string html(std::string_view text);

} // namespace SimText
