#pragma once

#include "analysis/PlanChoice.h"
#include "history/MonthHistory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One month billed on one plan.
struct MonthBill {
    int slot = -1;
    std::string name;
    std::int64_t totalWithTaxCents = 0;
};

// One plan billed over a user's months: the sum of what each month costs on it, in cents.
struct PlanTotal {
    int slot = -1;
    std::string name;
    int months = 0;
    std::int64_t totalWithTaxCents = 0;
};

// Which plan would have cost least over the months, against the plan chosen.
struct PlanAdvice {
    PlanTotal cheapest;
    PlanTotal chosen;

    // True when no plan costs less than the chosen one (another may cost the same).
    bool chosenIsCheapest() const { return chosen.totalWithTaxCents <= cheapest.totalWithTaxCents; }
    std::int64_t savingCents() const {
        return chosen.totalWithTaxCents - cheapest.totalWithTaxCents;
    }
};

// The months of a history billed on the plans, each month as the summary bills it; money is
// summed in cents, never as fractions of a rupee added up.
namespace HistoryPlans {

// The month on the chosen plan (a choice without a plan gives nothing).
std::optional<MonthBill> billOf(const HistoryMonth& month, const PlanChoice& choice);
// Every catalogue plan, and the custom plan when its values are given, summed over the months:
// cheapest first, plans that cost the same in slot order.
std::vector<PlanTotal> totals(const std::vector<HistoryMonth>& months,
                              const std::optional<CustomPlanValues>& custom);
// The cheapest of the totals against the chosen plan; nothing without a chosen plan or months.
std::optional<PlanAdvice> advice(const std::vector<PlanTotal>& totals, const PlanChoice& choice);

} // namespace HistoryPlans
