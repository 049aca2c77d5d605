#include "cli/SummaryReport.h"

#include "analysis/SummaryPage.h"
#include "cli/CliError.h"
#include "platform/Clock.h"

SummaryReport SummaryReport::build(const SummaryInputs& inputs, const PlanChoice& choice) {
    SummaryReport report;
    report.inputs = inputs;
    report.choice = choice;
    const FixedClock clock(choice.today);
    SummaryPage page(clock);
    if (choice.custom) {
        page.customPlan() = *choice.custom;
    }
    if (choice.slot != -1) {
        page.cmbPlans().setListIndex(page.cmbPlans().indexOfSlot(choice.slot));
        report.planName = page.mvarPlans().planName(choice.slot);
    }
    const SummaryRun run = page.computeSummary(inputs);
    if (run.outcome == SummaryRun::Outcome::Failed) {
        throw CliError("summary: " + run.failure);
    }
    report.figures = page.figures();
    if (choice.slot != -1) {
        // after the summary ran, the custom slot holds the entry values (a limit of 0 as 1)
        report.projection = MonthProjection::forPlan(page.mvarPlans().terms(choice.slot), inputs);
    }
    if (choice.comparePlans) {
        report.compared =
            PlanComparison::compare(page.mvarPlans(), page.cmbPlans(), inputs, choice.custom);
    }
    return report;
}
