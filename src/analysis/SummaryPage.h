#pragma once

#include "analysis/PlanChoice.h"
#include "analysis/PlanList.h"

#include <QDate>

class SettingsStore;

// The summary page's choices without its widgets: the plan list, the chosen plan and the
// custom plan's entry values, restored from and stored in the window's settings. What it shows
// comes from MonthSummary, for the choice it describes.
class SummaryPage {
public:
    static constexpr const char* Section = "ScreenSettings";

    SummaryPage();

    // Refills cmbPlans, then restores "Plan6". Returns true when it selected a plan: the list's
    // click, which the caller answers with CreateSummary. A position outside the list leaves
    // no plan chosen.
    bool LoadCombo(const SettingsStore& settings);

    // The custom plan's keys, read with the current values as defaults.
    void restoreCustomPlan(const SettingsStore& settings);
    // "Plan6" (the list position, -1 for none) and the custom plan's keys.
    void saveSettings(SettingsStore& settings) const;

    PlanList& cmbPlans() { return m_list; }
    const PlanList& cmbPlans() const { return m_list; }
    CustomPlanValues& customPlan() { return m_custom; }
    const CustomPlanValues& customPlan() const { return m_custom; }
    // The slot of the chosen plan, -1 when none is chosen.
    int chosenSlot() const;
    // What the page asks to be billed: the chosen plan, the entry values, every plan compared.
    PlanChoice choice(QDate today) const;

private:
    PlanList m_list;
    CustomPlanValues m_custom;
};
