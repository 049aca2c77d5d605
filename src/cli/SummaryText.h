#pragma once

#include <string>

struct MonthSummary;

// The summary as a person reads it in a terminal: month and totals, the plan, the usage with
// balance or excess, the quota bar, the bill, the month-end projection and, when asked for,
// the bill on every plan. Columns line up; colours only when asked for.
namespace SummaryText {

std::string render(const MonthSummary& report, bool colour);
// The two halves of render: the month and its totals; the plan, bill and comparison.
std::string renderMonth(const MonthSummary& report, bool colour);
std::string renderPlan(const MonthSummary& report, bool colour);

// True when standard output is a terminal that takes colours (NO_COLOR unset, TERM not dumb).
bool colourForStdout();

} // namespace SummaryText
