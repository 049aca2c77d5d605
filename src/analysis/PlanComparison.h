#pragma once

#include "analysis/PlanBill.h"
#include "analysis/PlanChoice.h"
#include "report/MonthTotals.h"

#include <string>
#include <vector>

// One plan's line in the comparison.
struct PlanComparisonRow {
    int slot = 0;
    std::string name;
    PlanBill bill;
};

// The month's usage billed on every plan of the list, cheapest first: answers "am I on the
// right plan?". Plans that cost the same keep the list's order.
namespace PlanComparison {

// Whether the custom plan has a line: when it is the plan chosen, or when its values describe
// a plan at all (entry boxes left at zero describe none). The window and the command line
// both ask this.
bool customPlanJoins(const PlanChoice& choice);

// Every catalogue plan, and the custom plan when it joins.
std::vector<PlanComparisonRow> compare(const MonthTotals& totals, const PlanChoice& choice);

} // namespace PlanComparison
