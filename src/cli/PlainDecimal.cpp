#include "cli/PlainDecimal.h"

#include <algorithm>
#include <string_view>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// [+-] digits [. digits], or [+-] . digits
bool isPlainDecimal(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), isDigit);
    };
    const bool someDigit = !whole.empty() || !fraction.empty();
    return someDigit && digits(whole) && digits(fraction);
}

} // namespace

CLI::Validator plainDecimal() {
    return CLI::Validator(
        [](std::string& text) {
            std::string_view trimmed(text);
            while (!trimmed.empty() && isBlank(trimmed.front())) {
                trimmed.remove_prefix(1);
            }
            while (!trimmed.empty() && isBlank(trimmed.back())) {
                trimmed.remove_suffix(1);
            }
            if (!isPlainDecimal(trimmed)) {
                return "\"" + text + "\" is not a plain decimal number";
            }
            text = std::string(trimmed);
            return std::string();
        },
        "NUMBER");
}
