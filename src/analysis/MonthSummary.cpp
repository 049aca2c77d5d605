#include "analysis/MonthSummary.h"

#include "analysis/SummaryFailure.h"
#include "analysis/SummaryPage.h"
#include "platform/Clock.h"

MonthSummary MonthSummary::build(const MonthTotals& totals, const PlanChoice& choice) {
    MonthSummary summary;
    summary.totals = totals;
    summary.choice = choice;
    const FixedClock clock(choice.today);
    SummaryPage page(clock);
    if (choice.custom) {
        page.customPlan() = *choice.custom;
    }
    if (choice.slot != -1) {
        page.cmbPlans().setListIndex(page.cmbPlans().indexOfSlot(choice.slot));
        summary.planName = page.mvarPlans().planName(choice.slot);
    }
    const SummaryRun run = page.computeSummary(totals);
    if (run.outcome == SummaryRun::Outcome::Failed) {
        throw SummaryFailure(run.failure);
    }
    summary.figures = page.figures();
    if (choice.slot != -1) {
        // after the summary ran, the custom slot holds the entry values (a limit of 0 as 1)
        summary.projection = MonthProjection::forPlan(page.mvarPlans().terms(choice.slot), totals);
    }
    if (choice.comparePlans) {
        summary.compared =
            PlanComparison::compare(page.mvarPlans(), page.cmbPlans(), totals, choice.custom);
    }
    return summary;
}
