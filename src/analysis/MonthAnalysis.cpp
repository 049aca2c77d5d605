#include "analysis/MonthAnalysis.h"

std::optional<MonthResult> MonthAnalysis::build(const ReportOptions& options,
                                                const PlanChoice& plan, Document* report) {
    std::optional<ReportOutcome> outcome = m_builder.WriteOutput(options, report);
    if (!outcome) {
        return std::nullopt;
    }
    MonthResult result{std::move(*outcome), {}};
    result.summary = MonthSummary::build(result.totals(), plan);
    return result;
}

std::optional<MonthResult> MonthResult::build(MonthRecord month, const ReportOptions& options,
                                              const PlanChoice& plan, Document* report) {
    MonthAnalysis analysis;
    analysis.GrabbingFinished(std::move(month));
    return analysis.build(options, plan, report);
}
