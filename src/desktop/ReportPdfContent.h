#pragma once

#include "desktop/ReportPdfSummary.h"
#include "desktop/ReportPdfTable.h"

#include <QStringList>
#include <vector>

class Document;
struct MonthResult;

// What the saved PDF shows, read from the report as last written and the month's result: the
// report's summary table (its title, the three totals and the note on the portal's total), the
// detail table's title, header and rows with their daily totals, and the summary page's
// figures on the chosen plan.
struct ReportPdfContent {
    QString month; // "2007-03"
    QStringList title;
    QStringList totalCaptions; // "KiloByte", "MegaByte", "GigaByte"
    QStringList totals;
    QStringList note;
    QStringList detailTitle;
    ReportPdfTable table{{}, {}, {}};
    std::vector<ReportPdfGroup> summary; // none without a plan

    static ReportPdfContent of(const Document& report, const MonthResult& result);
};
