#pragma once

#include "analysis/MonthProjection.h"
#include "analysis/PlanChoice.h"
#include "analysis/PlanComparison.h"
#include "analysis/QuotaOutlook.h"
#include "analysis/UsageSummary.h"
#include "report/MonthTotals.h"

#include <optional>
#include <vector>

// A month's totals billed on the chosen plan, with the month-end projection, when the quota
// runs out and, when asked for, the bill on every plan.
struct MonthSummary {
    MonthTotals totals;
    PlanChoice choice;
    std::optional<UsageSummary> figures;                    // with a plan
    std::optional<MonthProjection> projection;              // with a plan
    std::optional<QuotaOutlook> quota;                      // with a limited plan
    std::optional<std::vector<PlanComparisonRow>> compared; // when comparePlans

    bool hasPlan() const { return figures.has_value(); }

    // Throws SummaryFailure when the totals have no last recorded day.
    static MonthSummary build(const MonthTotals& totals, const PlanChoice& choice);
};
