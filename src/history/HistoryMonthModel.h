#pragma once

#include "analysis/PlanChoice.h"
#include "history/MonthFigures.h"
#include "report/MonthTotals.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where the history meets the month model, and nowhere else: a month's figures read from its
// rows as the report adds them up, and a month billed on a plan as the summary bills it.
namespace HistoryMonthModel {

// The month's totals and days from its row text (month files' content). Throws Failure with
// the report's own line when a row is bad.
MonthReading read(std::string rows, const std::string& month);

// The totals a summary works from, of a month the history holds: its sums, its last recorded
// time and the usage of its newest day (that day's charged part with the night-unlimited
// option), as the report of its rows would hand them on.
MonthTotals totals(const std::string& month, const MonthFigures& figures,
                   const std::vector<DayFigures>& days, bool nightUnlimited);

struct PlanName {
    int slot = 0;
    std::string name;
};

// The plans a history is billed on, in slot order: every catalogue plan, and the custom plan
// when its values are given.
std::vector<PlanName> plans(const std::optional<CustomPlanValues>& custom);

// The month's bill with tax on the plan in `slot` (the custom plan with `custom`), in cents,
// rounded as the bill shows it: a night-unlimited plan charges the charged volume, every
// other plan all of it.
std::int64_t billWithTaxCents(int slot, const std::optional<CustomPlanValues>& custom,
                              const MonthFigures& month);

} // namespace HistoryMonthModel
