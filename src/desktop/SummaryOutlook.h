#pragma once

#include <QString>

struct MonthSummary;

// What the summary page adds under the bill: where the month ends at the current pace on
// the chosen plan, when a limited plan's quota runs out at that pace and what is left a day,
// and this month billed on every plan, cheapest first, the chosen one marked. All from the
// summary's numbers.
struct SummaryOutlook {
    QString projection;     // empty when no plan is chosen
    QString quota;          // two lines; empty on an unlimited plan
    QString comparisonHtml; // a small table

    static SummaryOutlook build(const MonthSummary& summary);
};
