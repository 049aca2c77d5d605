#pragma once

#include <QString>
#include <utility>
#include <vector>

struct MonthSummary;

// A titled group of the summary page's figures: captions with their texts; a line with an
// empty caption is a sentence of its own.
struct ReportPdfGroup {
    QString title;
    std::vector<std::pair<QString, QString>> lines;
};

// The summary page's figures for the saved report, under the page's own captions: the plan's
// details, the charged usage, what is left of the quota (or the excess), the bill on the chosen
// plan and where the month is heading. Formatted by SummaryTexts from the month's summary.
namespace ReportPdfSummary {

// Nothing when no plan is chosen.
std::vector<ReportPdfGroup> groups(const MonthSummary& summary);

} // namespace ReportPdfSummary
