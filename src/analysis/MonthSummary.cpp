#include "analysis/MonthSummary.h"

#include "analysis/PlanCatalogue.h"

MonthSummary MonthSummary::build(const MonthTotals& totals, const PlanChoice& choice) {
    MonthSummary summary;
    summary.totals = totals;
    summary.choice = choice;
    if (choice.slot != -1) {
        const Plan plan = PlanCatalogue::chosenPlan(choice);
        summary.figures = UsageSummary::compute(plan, totals, choice.today);
        summary.figures->limitRaised =
            plan.custom() && choice.custom.value_or(CustomPlanValues()).nebBandWidthLimit == 0;
        summary.projection = MonthProjection::forPlan(plan, totals);
        summary.quota = QuotaOutlook::of(*summary.figures, *summary.projection);
    }
    if (choice.comparePlans) {
        summary.compared = PlanComparison::compare(totals, choice);
    }
    return summary;
}
