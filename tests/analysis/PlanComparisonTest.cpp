#include "analysis/PlanComparison.h"

#include "analysis/MonthProjection.h"
#include "analysis/PlanCatalogue.h"

#include <gtest/gtest.h>

namespace {

MonthTotals usage(std::int64_t bandwidthKB, std::int64_t chargedKB, const char* lastRecorded,
                  std::string month = "2007-03") {
    MonthTotals totals;
    totals.mlngTotalBandwidthKB = bandwidthKB;
    totals.mlngTotalChargedKB = chargedKB;
    totals.mdtLastRecordedDate = *CivilDateTime::parse(lastRecorded);
    totals.mstrMonthYear = std::move(month);
    return totals;
}

} // namespace

TEST(PlanComparison, CheapestFirstEqualBillsInListOrder) {
    const MonthTotals totals = usage(1310720, 1310720, "2007-03-10 18:00:00");
    const auto rows = PlanComparison::compare(totals, {});
    ASSERT_EQ(rows.size(), 29U);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LE(rows[i - 1].bill.totalWithTax, rows[i].bill.totalWithTax);
    }
    const auto at = [&rows](int slot) {
        return std::find_if(rows.begin(), rows.end(), [slot](auto& r) { return r.slot == slot; });
    };
    EXPECT_LT(at(9), at(8)); // "750   - BB Home Combo UL 750" is listed first

    const auto withCustom =
        PlanComparison::compare(totals, {0, CustomPlanValues{100, 0, 0.01}, {}, false});
    ASSERT_EQ(withCustom.size(), 30U);
    EXPECT_EQ(withCustom[0].slot, PlanCatalogue::CustomSlot);
    EXPECT_DOUBLE_EQ(withCustom[0].bill.excessMB, 1279); // a limit of 0 is billed as 1 MB
}

// One rule for both front ends: the window always knows the boxes' values, the command line
// only with --custom-plan.
TEST(PlanComparison, TheCustomPlanJoinsWhenChosenOrDescribed) {
    const struct {
        int slot;
        std::optional<CustomPlanValues> custom;
        bool joins;
    } cases[] = {
        {0, std::nullopt, false},
        {0, CustomPlanValues{0, 0, 0}, false},  // boxes left at zero describe no plan
        {29, CustomPlanValues{0, 0, 0}, true},  // but the chosen plan is always compared
        {0, CustomPlanValues{0, 0, 0.5}, true}, // a plan charged by the MB alone
        {-1, CustomPlanValues{0, 2048, 0}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanComparison::customPlanJoins({c.slot, c.custom, {}, false}), c.joins)
            << c.slot;
    }
}

// A night plan projects its charged usage over the month's own days; a session that ends
// after the month's last midnight means the month is complete.
TEST(MonthProjection, RunsTheChargedUsageToTheMonthEnd) {
    const auto night =
        MonthProjection::forPlan(PlanCatalogue::plan(3), usage(0, 1024 * 140, "2007-02-14", ""));
    EXPECT_EQ(night.daysInMonth, 28);
    EXPECT_DOUBLE_EQ(night.bill.chargedMB, 280);
    const auto complete =
        MonthProjection::forPlan(PlanCatalogue::plan(0), usage(1310720, 0, "2007-04-01 00:30:00"));
    EXPECT_EQ(complete.daysElapsed, 31);
    EXPECT_DOUBLE_EQ(complete.bill.chargedMB, 1280);
}
