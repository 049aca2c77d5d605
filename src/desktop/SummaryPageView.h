#pragma once

class DesignBuilder;
struct ResultWindowControls;
struct SummaryOutlook;
struct UsageSummary;

// Copies a computed summary into the summary page's controls: the plan details (entry boxes
// in place of the labels for the custom plan), the figures, the quota bar sized from its
// fractions, which of the balance and excess frames shows (in the balance frame's place),
// the today-only group, and the projection and plan comparison under the bill.
class SummaryPageView {
public:
    // The figures' labels are found by the names the summary gives them.
    SummaryPageView(const DesignBuilder& design, const ResultWindowControls& controls)
        : m_design(design)
        , m_controls(controls) {}

    void show(const UsageSummary& figures);
    void showOutlook(const SummaryOutlook& outlook);

private:
    void showPlanDetails(const UsageSummary& figures);
    void showQuotaBar(const UsageSummary& figures);
    void showFrames(const UsageSummary& figures);

    const DesignBuilder& m_design;
    const ResultWindowControls& m_controls;
};
