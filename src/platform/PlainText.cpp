#include "platform/PlainText.h"

std::string trimBlanks(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

void wipeSecret(std::string& secret) {
    volatile char* bytes = secret.data();
    for (std::size_t i = 0; i < secret.size(); ++i) {
        bytes[i] = '\0';
    }
    secret.clear();
}

std::string PadRight(std::string_view text, std::size_t n) {
    std::string padded(text);
    if (padded.size() < n) {
        padded.append(n - padded.size(), ' ');
    }
    return padded;
}
