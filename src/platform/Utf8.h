#pragma once

#include <string>
#include <string_view>

// Reading and writing UTF-8, the program's text encoding, one code point at a time.
namespace Utf8 {

inline constexpr char32_t Replacement = 0xFFFD;

// Decodes the sequence at `pos` and moves past it; a malformed sequence (overlong, surrogate,
// out of range, cut short) yields U+FFFD and moves one byte on.
char32_t next(std::string_view text, std::size_t& pos);
void append(std::string& out, char32_t c);
// True when every sequence is well formed.
bool isValid(std::string_view text);

} // namespace Utf8
