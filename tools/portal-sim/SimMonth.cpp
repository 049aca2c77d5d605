#include "portal-sim/SimMonth.h"

std::optional<SimMonth> SimMonth::parse(std::string_view text) {
    if (text.size() != 7 || text[4] != '-') {
        return std::nullopt;
    }
    int values[2] = {0, 0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 4) {
            continue;
        }
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        int& value = values[i < 4 ? 0 : 1];
        value = value * 10 + (text[i] - '0');
    }
    // the portal's clock starts in 1970; earlier years are not months of any log
    if (values[0] < 1970 || values[1] < 1 || values[1] > 12) {
        return std::nullopt;
    }
    return SimMonth{values[0], values[1]};
}

SimMonth SimMonth::back(int months) const {
    const int index = key() - months;
    const int yearOf = index >= 0 ? index / 12 : (index - 11) / 12;
    return {yearOf, index - yearOf * 12 + 1};
}

std::string SimMonth::text() const {
    const char digits[] = "0123456789";
    return std::string{digits[year / 1000 % 10],
                       digits[year / 100 % 10],
                       digits[year / 10 % 10],
                       digits[year % 10],
                       '-',
                       digits[month / 10],
                       digits[month % 10]};
}
