#include "analysis/PlanComparison.h"

#include "analysis/PlanCatalogue.h"

#include <algorithm>

bool PlanComparison::customPlanJoins(const PlanChoice& choice) {
    if (!choice.custom) {
        return false;
    }
    const CustomPlanValues& values = *choice.custom;
    return choice.slot == PlanCatalogue::CustomSlot || values.nebPlanCharge > 0 ||
           values.nebBandWidthLimit > 0 || values.nebRsPerMB > 0;
}

std::vector<PlanComparisonRow> PlanComparison::compare(const MonthTotals& totals,
                                                       const PlanChoice& choice) {
    const bool withCustom = customPlanJoins(choice);
    std::vector<PlanComparisonRow> rows;
    for (const PlanListItem& item : PlanCatalogue::planList().items()) {
        if (item.itemData == PlanCatalogue::CustomSlot && !withCustom) {
            continue;
        }
        const Plan plan = item.itemData == PlanCatalogue::CustomSlot
                              ? PlanCatalogue::customPlan(*choice.custom)
                              : PlanCatalogue::plan(item.itemData);
        rows.push_back({plan.slot, plan.name, PlanBill::forMonth(plan, totals)});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.bill.totalWithTax < b.bill.totalWithTax;
    });
    return rows;
}
