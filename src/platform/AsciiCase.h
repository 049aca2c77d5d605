#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// Letter case of the ASCII names HTML and HTTP use (tags, attributes, charsets), whatever the
// locale.
namespace AsciiCase {

inline char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

inline std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) { return lower(c); });
    return result;
}

inline bool equal(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

} // namespace AsciiCase
