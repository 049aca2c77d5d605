#include "analysis/MonthAnalysis.h"

#include "report/ReportOptions.h"

#include <utility>

// Stands between the builder and the caller's view: every step goes on to the view, and the
// summary is computed from the totals as the builder hands them over, just before the view
// refreshes its own summary.
class MonthAnalysis::SummaryStep final : public ReportResultView {
public:
    SummaryStep(MonthAnalysis& analysis, ReportResultView& view)
        : m_analysis(analysis)
        , m_view(view) {}

    Document& reportDocument() override { return m_view.reportDocument(); }
    bool wantsReportDocument() const override { return m_view.wantsReportDocument(); }
    void setTotals(const MonthTotals& totals) override {
        m_totals = totals;
        m_view.setTotals(totals);
    }
    void setAverageText(const std::string& text) override { m_view.setAverageText(text); }
    bool graphCreated() const override { return m_view.graphCreated(); }
    void updateOfficeChart(const std::string& chartText) override {
        m_view.updateOfficeChart(chartText);
    }
    void clearChartUpToDate() override { m_view.clearChartUpToDate(); }
    void UpdateGraphControl() override { m_view.UpdateGraphControl(); }
    void CreateSummary() override {
        m_analysis.m_summary = MonthSummary::build(m_totals, m_analysis.m_plan);
        m_view.CreateSummary();
    }

private:
    MonthAnalysis& m_analysis;
    ReportResultView& m_view;
    MonthTotals m_totals;
};

MonthAnalysis::MonthAnalysis(PlanChoice plan)
    : m_plan(std::move(plan)) {}

ReportBuilder::Status MonthAnalysis::analyse(MonthRecord month, const ReportOptions& options,
                                             ReportResultView& view) {
    m_builder.GrabbingFinished(std::move(month));
    return rebuild(options, view);
}

ReportBuilder::Status MonthAnalysis::rebuild(const ReportOptions& options, ReportResultView& view) {
    SummaryStep step(*this, view);
    return m_builder.WriteOutput(options, step);
}
