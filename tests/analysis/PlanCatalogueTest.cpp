#include "analysis/PlanCatalogue.h"

#include "analysis/SummaryPage.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

TEST(PlanCatalogue, SplitKeepsTheBlankAfterEachCommaAndReloadRestoresTheStoredRows) {
    PlanCatalogue plans;
    EXPECT_EQ(plans.field(2, PlanCatalogue::Limit), " -1");
    EXPECT_TRUE(plans.terms(3).nightUnlimited);
    EXPECT_TRUE(plans.holdsPlan(29));
    EXPECT_FALSE(plans.holdsPlan(30));
    plans.setField(29, PlanCatalogue::Limit, "1280");
    plans.reload();
    EXPECT_EQ(plans.field(29, PlanCatalogue::Limit), " 0");
}

namespace {

struct SavedChoice {
    const char* name;
    const char* stored; // nullptr: no key
    int listIndex;
};

class LoadComboRestore : public ::testing::TestWithParam<SavedChoice> {};

} // namespace

TEST_P(LoadComboRestore, SelectsTheSavedPositionOrNothing) {
    FixedClock clock(QDate(2007, 3, 10));
    SummaryPage page(clock);
    page.cmbPlans().setListIndex(3);
    MemorySettingsStore settings;
    if (GetParam().stored != nullptr) {
        settings.write("ScreenSettings", "Plan6", GetParam().stored);
    }
    EXPECT_EQ(page.LoadCombo(settings), GetParam().listIndex != -1);
    EXPECT_EQ(page.cmbPlans().listIndex(), GetParam().listIndex);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plan6, LoadComboRestore, ::testing::Values(
    SavedChoice{"Missing", nullptr, -1}, SavedChoice{"None", "-1", -1},
    SavedChoice{"First", "0", 0}, SavedChoice{"Custom", "29", 29},
    SavedChoice{"PastTheList", "30", -1}, SavedChoice{"Negative", "-7", -1},
    SavedChoice{"WiderThan16Bits", "65536", -1}, SavedChoice{"Garbage", "two", -1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(SummaryPageSettings, ChoiceAndCustomPlanSurviveARoundTrip) {
    FixedClock clock(QDate(2007, 3, 10));
    SummaryPage page(clock);
    page.cmbPlans().setListIndex(5);
    page.customPlan() = {100, 1280, 0.25};
    MemorySettingsStore settings;
    page.saveSettings(settings);
    EXPECT_EQ(settings.read("ScreenSettings", "nebRsPerMB", ""), "0.25");

    SummaryPage next(clock);
    next.customPlan() = {1, 2, 3};
    settings.write("ScreenSettings", "nebPlanCharge", "-4"); // never written by us: ignored
    next.restoreCustomPlan(settings);
    EXPECT_TRUE(next.LoadCombo(settings));
    EXPECT_EQ(next.cmbPlans().listIndex(), 5);
    EXPECT_EQ(next.customPlan().nebPlanCharge, 1);
    EXPECT_EQ(next.customPlan().nebBandWidthLimit, 1280);
    EXPECT_EQ(next.customPlan().nebRsPerMB, 0.25);
}
