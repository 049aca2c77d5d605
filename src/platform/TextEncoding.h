#pragma once

#include <string>
#include <string_view>

// Conversions between the program's UTF-8 text and the encodings pages and files use.
// Pages arrive in the encoding they declare (the operator's portal declares ISO-8859-1);
// report, export and cache files hold one byte per character (Latin-1, see SingleByteText).
namespace TextEncoding {

// The charset named by a Content-Type value ("text/html; charset=ISO-8859-1"), lower case,
// or empty.
std::string charsetFromContentType(std::string_view contentType);
// The charset declared by a meta element in the first 1024 bytes of a page, or empty.
std::string charsetFromMeta(std::string_view page);

// The encoding decodePage reads a page in, lower case: "utf-8", "iso-8859-1",
// "windows-1252" for unlabelled non-UTF-8 bytes and for labels no decoder knows, or the label.
std::string pageCharset(std::string_view bytes, std::string_view contentType);
// Page bytes to UTF-8: the header's charset, else the page's meta, else UTF-8 when the bytes
// are valid UTF-8, else windows-1252 (what browsers assume for unlabelled pages).
std::string decodePage(std::string_view bytes, std::string_view contentType);
// UTF-8 text to the bytes of a charset (for form submission); unknown charsets give UTF-8.
std::string encodeForCharset(std::string_view utf8, std::string_view charset);

bool isValidUtf8(std::string_view bytes);

} // namespace TextEncoding
