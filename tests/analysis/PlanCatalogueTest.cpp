#include "analysis/PlanCatalogue.h"

#include "analysis/PlanList.h"
#include "analysis/SummaryFailure.h"
#include "analysis/SummaryPage.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(PlanCatalogue, SplitKeepsTheBlankAfterEachCommaAndLeavesTheRestEmpty) {
    PlanCatalogue plans;
    EXPECT_EQ(plans.field(0, PlanCatalogue::Name), "BBG 250");
    EXPECT_EQ(plans.field(0, PlanCatalogue::Charge), " 250");
    EXPECT_EQ(plans.field(2, PlanCatalogue::Limit), " -1");
    EXPECT_EQ(plans.field(3, PlanCatalogue::NightFlag), " 1");
    EXPECT_DOUBLE_EQ(plans.number(0, PlanCatalogue::Rate), 0.2);
    EXPECT_TRUE(plans.holdsPlan(29));
    EXPECT_FALSE(plans.holdsPlan(30));
    EXPECT_FALSE(plans.holdsPlan(100));
    plans.setField(29, PlanCatalogue::Limit, "1280");
    plans.reload();
    EXPECT_EQ(plans.field(29, PlanCatalogue::Limit), " 0");
}

TEST(PlanCatalogue, FieldThatIsNotANumberIsATypeMismatch) {
    PlanCatalogue plans;
    for (const char* text : {" abc", "", " 1.5x", " nan"}) {
        plans.setField(0, PlanCatalogue::Rate, text);
        try {
            plans.number(0, PlanCatalogue::Rate);
            ADD_FAILURE() << "read as a number: '" << text << "'";
        } catch (const SummaryFailure& failure) {
            EXPECT_STREQ(failure.what(), "Type mismatch");
        }
    }
}

TEST(PlanCatalogue, PadRightOnlyLengthens) {
    EXPECT_EQ(PadRight("250", 5), "250  ");
    EXPECT_EQ(PadRight("15000", 5), "15000");
    EXPECT_EQ(PadRight("123456", 5), "123456");
    EXPECT_EQ(PadRight("", 2), "  ");
}

TEST(PlanList, SortsWithoutRegardToCaseAndKeepsEachItemsSlot) {
    PlanList list;
    EXPECT_EQ(list.addItem("b"), 0);
    EXPECT_EQ(list.addItem("C"), 1);
    EXPECT_EQ(list.addItem("a"), 0);
    EXPECT_EQ(list.addItem("B"), 2); // after the equal text
    list.setItemData(2, 7);
    EXPECT_EQ(list.text(2), "B");
    EXPECT_EQ(list.indexOfSlot(7), 2);
    EXPECT_FALSE(list.setListIndex(4));
    EXPECT_EQ(list.listIndex(), -1);
}

TEST(PlanList, CatalogueItemsTheirSlotsAndTheCustomPlanLast) {
    FixedClock clock(QDate(2007, 3, 10));
    SummaryPage page(clock);
    const PlanList& list = page.cmbPlans();
    ASSERT_EQ(list.listCount(), 30);
    std::vector<bool> seen(30, false);
    for (int i = 0; i < list.listCount(); ++i) {
        seen.at(static_cast<std::size_t>(list.itemData(i))) = true;
        if (i > 0) {
            EXPECT_FALSE(PlanList::sortsBefore(list.text(i), list.text(i - 1))) << i;
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 30);
    EXPECT_EQ(list.text(29), "Custom/User entered");
    EXPECT_EQ(list.itemData(29), 29);
    // equal charges: the full texts decide, and each item keeps its own slot
    const int combo = list.indexOfSlot(17);
    EXPECT_EQ(list.text(combo), "2150  - BBG Combo ULD 2150");
    EXPECT_EQ(list.text(combo + 1), "2150  - BBG ULD 2150");
    EXPECT_EQ(list.itemData(combo + 1), 16);
    EXPECT_EQ(list.text(list.indexOfSlot(27)), "15000 - BBG UL 15000");
}

struct SavedChoice {
    const char* name;
    const char* stored; // nullptr: no key
    int listIndex;
};

class LoadComboRestore : public ::testing::TestWithParam<SavedChoice> {};

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

INSTANTIATE_TEST_SUITE_P(
    Plan6, LoadComboRestore,
    ::testing::Values(SavedChoice{"Missing", nullptr, -1}, SavedChoice{"None", "-1", -1},
                      SavedChoice{"First", "0", 0}, SavedChoice{"Custom", "29", 29},
                      SavedChoice{"PastTheList", "30", -1}, SavedChoice{"Negative", "-7", -1},
                      SavedChoice{"WiderThan16Bits", "65536", -1},
                      SavedChoice{"Garbage", "two", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SummaryPageSettings, ChoiceAndCustomPlanSurviveARoundTrip) {
    FixedClock clock(QDate(2007, 3, 10));
    SummaryPage page(clock);
    page.cmbPlans().setListIndex(5);
    page.customPlan() = {100, 1280, 0.25};
    MemorySettingsStore settings;
    page.saveSettings(settings);
    EXPECT_EQ(settings.read("ScreenSettings", "Plan6", ""), "5");
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
