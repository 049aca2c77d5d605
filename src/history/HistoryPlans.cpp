#include "history/HistoryPlans.h"

#include "history/HistoryMonthModel.h"

#include <algorithm>

std::optional<MonthBill> HistoryPlans::billOf(const HistoryMonth& month, const PlanChoice& choice) {
    if (choice.slot == -1) {
        return std::nullopt;
    }
    for (const HistoryMonthModel::PlanName& plan : HistoryMonthModel::plans(choice.custom)) {
        if (plan.slot == choice.slot) {
            return MonthBill{
                plan.slot, plan.name,
                HistoryMonthModel::billWithTaxCents(plan.slot, choice.custom, month.figures)};
        }
    }
    return std::nullopt;
}

std::vector<PlanTotal> HistoryPlans::totals(const std::vector<HistoryMonth>& months,
                                            const std::optional<CustomPlanValues>& custom) {
    std::vector<PlanTotal> totals;
    for (const HistoryMonthModel::PlanName& plan : HistoryMonthModel::plans(custom)) {
        PlanTotal total{plan.slot, plan.name, static_cast<int>(months.size()), 0};
        for (const HistoryMonth& month : months) {
            total.totalWithTaxCents +=
                HistoryMonthModel::billWithTaxCents(plan.slot, custom, month.figures);
        }
        totals.push_back(std::move(total));
    }
    std::sort(totals.begin(), totals.end(), [](const PlanTotal& a, const PlanTotal& b) {
        return a.totalWithTaxCents != b.totalWithTaxCents
                   ? a.totalWithTaxCents < b.totalWithTaxCents
                   : a.slot < b.slot;
    });
    return totals;
}

std::optional<PlanAdvice> HistoryPlans::advice(const std::vector<PlanTotal>& totals,
                                               const PlanChoice& choice) {
    const auto chosen = std::find_if(totals.begin(), totals.end(), [&choice](const PlanTotal& t) {
        return t.slot == choice.slot;
    });
    if (totals.empty() || chosen == totals.end() || chosen->months == 0) {
        return std::nullopt;
    }
    return PlanAdvice{totals.front(), *chosen};
}
