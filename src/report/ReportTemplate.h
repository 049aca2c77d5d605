#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The report page before it is filled: a summary table and a detail table with markers
// ("##month-year##", "##kb##", "##mb##", "##gb##", "##note##", "##row##") where the month's
// figures and rows go.
namespace ReportTemplate {

// Rows of the detail table before the first log row: the table's first row and the row of
// column captions.
inline constexpr std::size_t DetailHeaderRows = 2;

struct Fill {
    std::string_view monthYear;
    std::string_view kb;
    std::string_view mb;
    std::string_view gb;
    std::string_view note;
    std::string_view rows;
};

// The markup before the report's html element (its doctype): rows parsed for the report
// elsewhere are parsed behind it, so they nest as they do in the report.
std::string_view documentStart();

// The template text with every marker in place.
std::string text();

// Replaces every marker in one pass over `templateText`: a marker that appears inside a
// substituted value (portal text can hold anything) is left alone.
std::string fill(std::string_view templateText, const Fill& values);

// Only the "##row##" marker, for the first, scratch document.
std::string withRows(std::string_view templateText, std::string_view rows);

} // namespace ReportTemplate
