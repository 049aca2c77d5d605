#pragma once

#include "analysis/MonthSummary.h"
#include "platform/MonthRecord.h"
#include "report/ReportOptions.h"
#include "report/ReportOutcome.h"

#include <optional>

class Document;

// One month as every front end shows it, as values: the report's totals, days, texts and chart
// texts (its document is written only when one is given), and the summary, projection and
// plan comparison on the chosen plan. The window and the command line format it; nothing in
// it calls back into a view.
struct MonthResult {
    ReportOutcome report;
    MonthSummary summary;

    const MonthTotals& totals() const { return report.totals; }

    // The month's rows turned into all of the above in one call. Nothing when the rows make no
    // detail table. Throws ReportError for a bad row.
    static std::optional<MonthResult> build(MonthRecord month, const ReportOptions& options,
                                            const PlanChoice& plan, Document* report = nullptr);
};
