#pragma once

#include "platform/FixedPoint.h"
#include "platform/MonthRecord.h"
#include "platform/dom/Document.h"
#include "report/ChartTexts.h"
#include "report/ReportOptions.h"
#include "report/ReportOutcome.h"

#include <optional>
#include <string>

// Turns a month's rows into the report document: classifies every row, drops the excluded
// ones, adds the daily totals, compares with the portal's total, builds the chart texts and
// the style rules, and returns the totals and texts it worked out.
class ReportBuilder {
public:
    // Keeps the month's rows for the report. A new run.
    void GrabbingFinished(MonthRecord month);

    // Reads the month's rows into a document of their own (the walk's nodes, moved or copied,
    // or parsed from their text), classifies them, and writes the final report into `report`,
    // moving the kept rows into it. Without a document the same figures come from the rows
    // read a piece at a time. Called again whenever an option changes. Nothing when the rows
    // make no detail table (the document is then left alone). Throws ReportError, before
    // anything is written, when a row is bad.
    std::optional<ReportOutcome> WriteOutput(const ReportOptions& options, Document* report);

    const std::string& mstrMonthYear() const { return m_month.mstrMonthYear; }

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
    ReportOutcome m_outcome;
};
