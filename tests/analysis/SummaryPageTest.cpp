#include "analysis/SummaryPage.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

// The saved list position is restored only when it names a plan of the list: 30 is past its
// end and 65536 does not fit in 16 bits.
TEST(LoadCombo, SelectsTheSavedPositionOrNothing) {
    const std::pair<const char*, int> cases[] = {
        {nullptr, -1}, {"-1", -1}, {"0", 0},      {"29", 29},
        {"30", -1},    {"-7", -1}, {"65536", -1}, {"two", -1},
    };
    for (const auto& [stored, listIndex] : cases) {
        SCOPED_TRACE(stored == nullptr ? "no key" : stored);
        SummaryPage page;
        page.cmbPlans().setListIndex(3);
        MemorySettingsStore settings;
        if (stored != nullptr) {
            settings.write("ScreenSettings", "Plan6", stored);
        }
        EXPECT_EQ(page.LoadCombo(settings), listIndex != -1);
        EXPECT_EQ(page.cmbPlans().listIndex(), listIndex);
    }
}

TEST(SummaryPageSettings, ChoiceAndCustomPlanSurviveARoundTrip) {
    SummaryPage page;
    page.cmbPlans().setListIndex(5);
    page.customPlan() = {100, 1280, 0.25};
    MemorySettingsStore settings;
    page.saveSettings(settings);
    EXPECT_EQ(settings.read("ScreenSettings", "nebRsPerMB", ""), "0.25");

    SummaryPage next;
    next.customPlan() = {1, 2, 3};
    settings.write("ScreenSettings", "nebPlanCharge", "-4"); // never written by us: ignored
    next.restoreCustomPlan(settings);
    EXPECT_TRUE(next.LoadCombo(settings));
    EXPECT_EQ(next.cmbPlans().listIndex(), 5);
    EXPECT_EQ(next.customPlan().nebPlanCharge, 1);
    EXPECT_EQ(next.customPlan().nebBandWidthLimit, 1280);
    EXPECT_EQ(next.customPlan().nebRsPerMB, 0.25);
}
