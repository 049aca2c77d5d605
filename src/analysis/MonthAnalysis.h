#pragma once

#include "analysis/MonthSummary.h"
#include "analysis/PlanChoice.h"
#include "report/ReportBuilder.h"

#include <optional>

struct ReportOptions;

// The month pipeline: a month's rows turned into its report and its summary on a plan, in one
// call. The report is written into the caller's view, which is asked to refresh its chart and
// its summary in the order the result window needs; the summary's figures come from the totals
// the builder hands over, computed here once for every front end.
class MonthAnalysis {
public:
    explicit MonthAnalysis(PlanChoice plan);

    // A new month: the builder keeps its rows, then the report is built. Throws ReportError (a
    // bad row) or SummaryFailure, before the view's summary is refreshed.
    ReportBuilder::Status analyse(MonthRecord month, const ReportOptions& options,
                                  ReportResultView& view);
    // The same rows again after an option changed.
    ReportBuilder::Status rebuild(const ReportOptions& options, ReportResultView& view);

    const ReportBuilder& builder() const { return m_builder; }
    ReportBuilder& builder() { return m_builder; }
    // Set once a report was written.
    const std::optional<MonthSummary>& summary() const { return m_summary; }

private:
    class SummaryStep;

    PlanChoice m_plan;
    ReportBuilder m_builder;
    std::optional<MonthSummary> m_summary;
};
