#pragma once

#include <string>

struct MonthResult;

// The month's report as a person reads it in a terminal: what the report holds, then one
// line per day, newest first as in the report.
namespace ReportText {
std::string render(const MonthResult& result, const std::string& user, bool colour);
}
