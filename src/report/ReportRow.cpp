#include "report/ReportRow.h"

#include "platform/dom/Element.h"

#include <charconv>
#include <cstdint>

namespace {

std::string quoted(const std::string& text) {
    constexpr std::size_t limit = 120;
    std::string shown = text.size() > limit ? text.substr(0, limit) + "..." : text;
    for (char& c : shown) {
        if (c == '\t' || c == '\n') {
            c = ' ';
        }
    }
    return "\"" + shown + "\"";
}

[[noreturn]] void reject(const Element& row, int position, const std::string& what) {
    throw ReportError("Cannot build the report: log row " + std::to_string(position) + " " +
                      quoted(row.innerText()) + " " + what);
}

CivilDateTime readDateTime(const Element& row, int position, const std::string& text,
                           const char* name) {
    const auto value = CivilDateTime::parse(text);
    if (!value) {
        reject(row, position,
               std::string("has a ") + name + " time that is not a date and time: " + quoted(text));
    }
    return *value;
}

FixedPoint readKilobytes(const Element& row, int position, const std::string& text,
                         const char* name) {
    std::int64_t number = 0;
    if (!readWholeNumber(text, number)) {
        reject(row, position,
               std::string("has a ") + name + " that is not a whole number: " + quoted(text));
    }
    if (number > MaxRowKilobytes || number < -MaxRowKilobytes) {
        reject(row, position,
               std::string("has a ") + name + " beyond " + std::to_string(MaxRowKilobytes) +
                   " KB: " + quoted(text));
    }
    return FixedPoint(number);
}

} // namespace

bool readWholeNumber(const std::string& text, std::int64_t& number) {
    std::size_t begin = text.find_first_not_of(' ');
    std::size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) {
        return false;
    }
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+') {
        ++first;
    }
    const auto result = std::from_chars(first, last, number);
    return result.ec == std::errc() && result.ptr == last && first != last;
}

ReportRow ReportRow::read(const Element& row, int position) {
    const auto cells = row.cells();
    if (cells.size() < 9) {
        reject(row, position, "has " + std::to_string(cells.size()) + " cells instead of 9");
    }
    ReportRow result;
    result.cellCount = cells.size();
    result.fromText = cells[2]->innerText();
    const std::string toText = cells[3]->innerText();
    result.from = readDateTime(row, position, result.fromText, "From");
    result.to = readDateTime(row, position, toText, "To");
    result.bandwidthKB = readKilobytes(row, position, cells[6]->innerText(), "bandwidth");
    result.chargedKB = readKilobytes(row, position, cells[8]->innerText(), "charged usage");
    result.sameDay = result.fromText.substr(0, 10) == toText.substr(0, 10);
    return result;
}
