#pragma once

#include "analysis/PlanCatalogue.h"
#include "analysis/PlanChoice.h"
#include "analysis/PlanList.h"
#include "analysis/UsageSummary.h"
#include "report/MonthTotals.h"

#include <string>

class Clock;
class SettingsStore;

// How one CreateSummary run ended.
struct SummaryRun {
    enum class Outcome {
        Completed,
        NoPlanChosen, // nothing was changed
        LimitRaised,  // a limit of 0 became 1 in nebBandWidthLimit; its change runs it again
        Failed,       // stopped part-way; `failure` is the description to show
    };
    Outcome outcome = Outcome::Completed;
    std::string failure;
};

// The summary page of the result window without its widgets: the plan catalogue, the plan
// list, the custom plan's entry values and the figures shown, with LoadCombo and CreateSummary
// working on them. The window copies `figures()` into its labels after each run.
class SummaryPage {
public:
    static constexpr const char* Section = "ScreenSettings";

    explicit SummaryPage(const Clock& clock);

    // Rebuilds mvarPlans from the stored rows and refills cmbPlans, no plan chosen.
    void fillPlanList();
    // fillPlanList, then restores "Plan6". Returns true when it selected a plan: the list's
    // click, which the caller answers with CreateSummary. A position outside the list leaves
    // no plan chosen.
    bool LoadCombo(const SettingsStore& settings);

    SummaryRun CreateSummary(const MonthTotals& inputs);
    // CreateSummary as the window sees it run: after a limit of 0 became 1 the entry box's
    // change runs it once more.
    SummaryRun computeSummary(const MonthTotals& inputs);

    // The custom plan's keys, read with the current values as defaults.
    void restoreCustomPlan(const SettingsStore& settings);
    // "Plan6" (the list position, -1 for none) and the custom plan's keys.
    void saveSettings(SettingsStore& settings) const;

    PlanCatalogue& mvarPlans() { return m_plans; }
    const PlanCatalogue& mvarPlans() const { return m_plans; }
    PlanList& cmbPlans() { return m_list; }
    const PlanList& cmbPlans() const { return m_list; }
    CustomPlanValues& customPlan() { return m_custom; }
    const CustomPlanValues& customPlan() const { return m_custom; }
    UsageSummary& figures() { return m_figures; }
    const UsageSummary& figures() const { return m_figures; }
    // The slot of the chosen plan, -1 when none is chosen.
    int chosenSlot() const;

private:
    // Shows the plan's details; returns false when a limit of 0 was raised to 1.
    bool applyChosenPlan(int slot);
    void writePlanCaptions(int slot);

    const Clock& m_clock;
    PlanCatalogue m_plans;
    PlanList m_list;
    CustomPlanValues m_custom;
    UsageSummary m_figures;
};
