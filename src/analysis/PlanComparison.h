#pragma once

#include "analysis/PlanBill.h"
#include "analysis/PlanCatalogue.h"
#include "analysis/PlanChoice.h"
#include "analysis/PlanList.h"
#include "report/MonthTotals.h"

#include <optional>
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

// Catalogue plans always; the custom plan only when its values are given.
std::vector<PlanComparisonRow> compare(const PlanCatalogue& plans, const PlanList& list,
                                       const MonthTotals& inputs,
                                       const std::optional<CustomPlanValues>& custom);

// The terms of the custom plan as the entry boxes describe it; never night-unlimited.
PlanTerms customTerms(const CustomPlanValues& custom);

} // namespace PlanComparison
