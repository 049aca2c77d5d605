#pragma once

#include <QString>

struct MonthSummary;

// What the summary page adds under the bill: where the month ends at the current pace on
// the chosen plan, and this month billed on every plan, cheapest first, the chosen one
// marked. Both from the summary's numbers.
struct SummaryOutlook {
    QString projection;     // empty when no plan is chosen
    QString comparisonHtml; // a small table

    static SummaryOutlook build(const MonthSummary& summary);
};
