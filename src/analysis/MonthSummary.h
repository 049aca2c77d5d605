#pragma once

#include "analysis/MonthProjection.h"
#include "analysis/PlanChoice.h"
#include "analysis/PlanComparison.h"
#include "analysis/UsageSummary.h"
#include "report/MonthTotals.h"

#include <optional>
#include <string>
#include <vector>

// One month's summary on the chosen plan, with the month-end projection and, when asked for,
// the bill on every plan: what the command line prints and writes as JSON.
struct MonthSummary {
    MonthTotals totals;
    PlanChoice choice;
    std::string planName; // empty when no plan is chosen
    // What the summary page shows; its design values when no plan is chosen.
    UsageSummary figures;
    std::optional<MonthProjection> projection;              // with a plan
    std::optional<std::vector<PlanComparisonRow>> compared; // when comparePlans

    bool hasPlan() const { return choice.slot != -1; }

    // Throws SummaryFailure with the description the summary page would show when the
    // summary stops part-way.
    static MonthSummary build(const MonthTotals& totals, const PlanChoice& choice);
};
