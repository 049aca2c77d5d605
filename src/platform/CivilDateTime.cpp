#include "platform/CivilDateTime.h"

#include <cstdio>

namespace {

bool readNumber(std::string_view& text, int digitsMin, int digitsMax, int& out) {
    int value = 0;
    int count = 0;
    while (count < digitsMax && !text.empty() && text.front() >= '0' && text.front() <= '9') {
        value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
        ++count;
    }
    out = value;
    return count >= digitsMin;
}

bool readSeparator(std::string_view& text, std::string_view allowed) {
    if (text.empty() || allowed.find(text.front()) == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

} // namespace

CivilDateTime CivilDateTime::fromParts(int year, int month, int day, int hour, int minute,
                                       int second) {
    return {QDate(year, month, day), hour * 3600 + minute * 60 + second};
}

std::optional<CivilDateTime> CivilDateTime::parse(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readNumber(text, 4, 4, year) || !readSeparator(text, "-/.") ||
        !readNumber(text, 1, 2, month) || !readSeparator(text, "-/.") ||
        !readNumber(text, 1, 2, day)) {
        return std::nullopt;
    }
    if (!text.empty()) {
        if (!readSeparator(text, " T") || !readNumber(text, 1, 2, hour) ||
            !readSeparator(text, ":") || !readNumber(text, 2, 2, minute)) {
            return std::nullopt;
        }
        if (!text.empty() && (!readSeparator(text, ":") || !readNumber(text, 2, 2, second))) {
            return std::nullopt;
        }
        if (!text.empty()) {
            return std::nullopt;
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return CivilDateTime(date, hour * 3600 + minute * 60 + second);
}

std::string CivilDateTime::toText() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", m_date.year(),
                  m_date.month(), m_date.day(), m_seconds / 3600, m_seconds / 60 % 60,
                  m_seconds % 60);
    return buffer;
}
