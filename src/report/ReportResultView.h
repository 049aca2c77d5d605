#pragma once

#include "report/MonthTotals.h"

#include <string>

class Document;

// What the report builder needs of the result window: its browser's document, its totals
// members and average label, and its chart and summary operations. The window implements it;
// the command line has a headless one, so the builder runs without any window.
class ReportResultView {
public:
    virtual ~ReportResultView() = default;

    // The document the final report is written into (the result window's browser).
    virtual Document& reportDocument() = 0;
    // False when only the report's figures are wanted (totals, days, chart texts): the
    // document is then left alone and the month is never held as a tree.
    virtual bool wantsReportDocument() const { return true; }

    virtual void setTotals(const MonthTotals& totals) = 0;
    // The value of the (hidden) average-per-day label.
    virtual void setAverageText(const std::string& text) = 0;

    // The office chart object exists (never, where there is no office chart), and is fed
    // with the chart text.
    virtual bool graphCreated() const { return false; }
    virtual void updateOfficeChart(const std::string& chartText) { (void)chartText; }

    // The built-in chart: mark it out of date, then refresh it.
    virtual void clearChartUpToDate() = 0;
    virtual void UpdateGraphControl() = 0;
    virtual void CreateSummary() = 0;
};
