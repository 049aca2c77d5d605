#include "analysis/PlanComparison.h"

#include <algorithm>

PlanTerms PlanComparison::customTerms(const CustomPlanValues& custom) {
    return {custom.nebPlanCharge, custom.nebBandWidthLimit, custom.nebRsPerMB, false};
}

std::vector<PlanComparisonRow>
PlanComparison::compare(const PlanCatalogue& plans, const PlanList& list, const MonthTotals& inputs,
                        const std::optional<CustomPlanValues>& custom) {
    std::vector<PlanComparisonRow> rows;
    for (const PlanListItem& item : list.items()) {
        const int slot = item.itemData;
        PlanTerms terms;
        if (slot == PlanCatalogue::CustomSlot) {
            if (!custom) {
                continue;
            }
            terms = customTerms(*custom);
        } else {
            terms = plans.terms(slot);
        }
        rows.push_back({slot, plans.planName(slot),
                        PlanBill::forUsage(terms, PlanBill::chargedKB(terms, inputs))});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.bill.totalAndTax < b.bill.totalAndTax;
    });
    return rows;
}
