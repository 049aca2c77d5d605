#pragma once

#include "analysis/MonthResult.h"
#include "report/ReportBuilder.h"

// A month kept between builds: the window rebuilds the same rows whenever an option changes.
class MonthAnalysis {
public:
    // A new month; the rows are read when the first result is built.
    void GrabbingFinished(MonthRecord month) { m_builder.GrabbingFinished(std::move(month)); }

    // The report on these options (written into `report` when one is given) and the summary
    // on this plan. Nothing when the rows make no detail table. Throws ReportError for a bad
    // row, before anything is written.
    std::optional<MonthResult> build(const ReportOptions& options, const PlanChoice& plan,
                                     Document* report = nullptr);

    // "2007-03", known before any report is built.
    const std::string& monthText() const { return m_builder.mstrMonthYear(); }

private:
    ReportBuilder m_builder;
};
