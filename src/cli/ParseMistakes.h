#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
class ParseError;
} // namespace CLI

// What the user typed wrong, in one line that names the word and says what would work:
// "unknown command 'chek' (did you mean 'check'?)". The parser's own exit status stays.
namespace ParseMistakes {

struct Mistake {
    std::string line; // without "veltrix: "
    int exitCode = 0; // the parser's status; an unknown word is always an unexpected argument
};

// What went wrong when app.parse threw.
Mistake describe(const CLI::App& app, const CLI::ParseError& error);

// The one candidate close to `word` (a typo or a unique beginning), or empty.
std::string closest(std::string_view word, const std::vector<std::string>& candidates);

} // namespace ParseMistakes
