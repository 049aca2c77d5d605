#pragma once

#include <QString>

class SummaryPage;
struct MonthTotals;

// What the summary page adds under the bill: where the month ends at the current pace on
// the chosen plan, and this month billed on every plan, cheapest first, the chosen one
// marked. Both from the month's totals, never from the labels' texts.
struct SummaryOutlook {
    QString projection;     // empty when no plan is chosen
    QString comparisonHtml; // a small table

    static SummaryOutlook build(const SummaryPage& page, const MonthTotals& inputs);
};
