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

    // Fills the template with the rows and writes it into the scratch document. A new run.
    void GrabbingFinished(const MonthRecord& month);

    // Reads the rows back from the scratch document and writes the final report into the
    // view's document, then refreshes the view's chart and summary. Called again whenever an
    // option changes. Throws ReportError, before anything is written, when a row is bad.
    Status WriteOutput(const ReportOptions& options, ReportResultView& view);

    const std::string& mstrChartData() const { return m_chart.mstrChartData; }
    const std::string& mstrChartDataAvg() const { return m_chart.mstrChartDataAvg; }
    const std::string& mstrMonthYear() const { return m_monthYear; }
    // The scratch document (the hidden browser's).
    const Document& wbTemp() const { return m_scratch; }
    const ReportOutcome& outcome() const { return m_outcome; }

private:
    struct FirstPass;
    FirstPass classifyAndFilter(const std::vector<Element*>& rows, const ReportOptions& options);
    void writeReport(Document& report, const std::vector<const Element*>& keptRows) const;
    std::string note(FixedPoint allBandwidthKB) const;
    static std::string monthYearText(const std::string& month, const ReportOptions& options);
    static void addStyleRules(Document& document, const ReportOptions& options);

    Document m_scratch{Document::Scripts::Strip};
    std::string m_template;
    std::string m_monthYear;
    FixedPoint m_siteTotal;
    FixedPoint m_lastDayUsageKB;
    ChartTexts m_chart;
    ReportOutcome m_outcome;
};
