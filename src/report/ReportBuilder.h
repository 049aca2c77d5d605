#pragma once

#include "platform/FixedPoint.h"
#include "platform/MonthRecord.h"
#include "platform/dom/Document.h"
#include "report/ChartTexts.h"
#include "report/ReportOptions.h"
#include "report/ReportOutcome.h"

#include <string>

// Turns a month's rows into the report document: classifies every row, drops the excluded
// ones, adds the daily totals, compares with the portal's total, builds the chart texts and
// the style rules, and hands the totals to the result window. The main window owns one.
class ReportBuilder {
public:
    enum class Status { Written, NoDetailTable };

    // Keeps the month's rows for the report. A new run.
    void GrabbingFinished(MonthRecord month);

    // Reads the month's rows into a document of their own (the walk's nodes, moved or copied,
    // or parsed from their text), classifies them, and writes the final report into the view's
    // document, moving the kept rows into it; then refreshes the view's chart and summary.
    // A view that wants no report document gets the same figures from the rows read a piece
    // at a time. Called again whenever an option changes. Throws ReportError, before anything
    // is written, when a row is bad.
    Status WriteOutput(const ReportOptions& options, ReportResultView& view);

    const std::string& mstrChartData() const { return m_chart.mstrChartData; }
    const std::string& mstrChartDataAvg() const { return m_chart.mstrChartDataAvg; }
    const std::string& mstrMonthYear() const { return m_month.mstrMonthYear; }
    const ReportOutcome& outcome() const { return m_outcome; }

private:
    struct FirstPass;
    struct MonthRowNodes;
    MonthRowNodes readRows();
    // Reads, classifies and filters one row into the pass; `intoReport` marks the row with its
    // class and keeps the node for the report.
    void classify(Element& row, int position, const ReportOptions& options, bool intoReport,
                  FirstPass& pass);
    bool classifyWithoutReport(const ReportOptions& options, FirstPass& pass);
    // False when the report has no detail table for the rows.
    bool writeReport(Document& report, MonthRowNodes rows,
                     const std::vector<Element*>& keptRows) const;
    std::string note(FixedPoint allBandwidthKB) const;
    static std::string monthYearText(const std::string& month, const ReportOptions& options);
    static void addStyleRules(Document& document, const ReportOptions& options);

    bool m_grabbed = false;
    MonthRecord m_month;
    std::string m_template;
    FixedPoint m_lastDayUsageKB;
    ChartTexts m_chart;
    ReportOutcome m_outcome;
};
