#pragma once

#include "analysis/MonthProjection.h"
#include "analysis/PlanComparison.h"
#include "analysis/SummaryInputs.h"
#include "analysis/UsageSummary.h"
#include "cli/PlanOptions.h"

#include <optional>
#include <string>
#include <vector>

// One month's summary on the chosen plan, with the plan comparison and the month-end
// projection, ready to print or to write as JSON.
struct SummaryReport {
    SummaryInputs inputs;
    PlanChoice choice;
    std::string planName; // empty when no plan is chosen
    // What the summary page shows; its design values when no plan is chosen.
    UsageSummary figures;
    std::optional<MonthProjection> projection;              // with a plan
    std::optional<std::vector<PlanComparisonRow>> compared; // with --compare-plans

    bool hasPlan() const { return choice.slot != -1; }

    // Throws CliError with the failure's description when the summary stops part-way.
    static SummaryReport build(const SummaryInputs& inputs, const PlanChoice& choice);
};
