#pragma once

class DesignBuilder;
struct MonthSummary;
struct ResultWindowControls;
struct SummaryOutlook;
struct UsageSummary;

// Shows a summary on the summary page's controls: the plan details (entry boxes in place of
// the labels for the custom plan), the texts the formatter writes (the others keep what they
// showed), the quota bar sized from its fractions, which of the balance and excess frames
// shows (in the balance frame's place), the today-only group, and the projection and plan
// comparison under the bill.
class SummaryPageView {
public:
    // The formatter's texts name their labels; they are found by those names.
    SummaryPageView(const DesignBuilder& design, const ResultWindowControls& controls)
        : m_design(design)
        , m_controls(controls) {}

    // A summary with a plan.
    void show(const MonthSummary& summary);
    void showOutlook(const SummaryOutlook& outlook);
    // The texts of "This Month" take the lines they need at its width; the plan list takes the
    // rest of the box, so it shows more plans as the window grows.
    void layOutOutlook();

private:
    void showPlanDetails(bool custom);
    void showQuotaBar(const UsageSummary& figures);
    void showFrames(const UsageSummary& figures);

    const DesignBuilder& m_design;
    const ResultWindowControls& m_controls;
};
