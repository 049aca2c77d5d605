#include "analysis/PlanComparison.h"

#include "analysis/MonthProjection.h"
#include "analysis/SummaryPage.h"
#include "platform/Clock.h"
#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

MonthTotals usage(std::int64_t bandwidthKB, std::int64_t chargedKB, const char* lastRecorded,
                  std::string month = "2007-03") {
    MonthTotals inputs;
    inputs.mlngTotalBandwidthKB = bandwidthKB;
    inputs.mlngTotalChargedKB = chargedKB;
    inputs.mdtLastRecordedDate = *CivilDateTime::parse(lastRecorded);
    inputs.mstrMonthYear = std::move(month);
    return inputs;
}

class BillAgreesWithSummary : public ::testing::TestWithParam<std::int64_t> {};

} // namespace

// The comparison must bill each plan exactly as the summary page does, or the two would
// disagree in front of the user.
TEST_P(BillAgreesWithSummary, OnEveryPlan) {
    FixedClock clock(QDate(2007, 4, 2));
    SummaryPage page(clock);
    page.customPlan() = {300, 700, 0.15};
    const MonthTotals inputs = usage(GetParam(), GetParam() / 3, "2007-03-10 18:00:00");
    const auto rows =
        PlanComparison::compare(page.mvarPlans(), page.cmbPlans(), inputs, page.customPlan());
    ASSERT_EQ(rows.size(), 30U);
    for (const PlanComparisonRow& row : rows) {
        page.cmbPlans().setListIndex(page.cmbPlans().indexOfSlot(row.slot));
        ASSERT_EQ(page.computeSummary(inputs).outcome, SummaryRun::Outcome::Completed);
        const UsageSummary& shown = page.figures();
        EXPECT_EQ(NumberFormat::decimals(row.bill.chargedMB, 3) + " MB",
                  shown.lblUsedBandWidth.text)
            << row.name;
        EXPECT_DOUBLE_EQ(row.bill.excessAmount, shown.lblBillExcessCharge.value) << row.name;
        EXPECT_DOUBLE_EQ(row.bill.totalAndTax, shown.lblBillTotalAndTax.value) << row.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Usage, BillAgreesWithSummary,
                         ::testing::Values(0, 1048576, 1310720, 5000000, 300000000));

TEST(PlanComparison, CheapestFirstEqualBillsInListOrderCustomOnlyWhenGiven) {
    FixedClock clock(QDate(2007, 4, 2));
    SummaryPage page(clock);
    const MonthTotals inputs = usage(1310720, 1310720, "2007-03-10 18:00:00");
    const auto rows = PlanComparison::compare(page.mvarPlans(), page.cmbPlans(), inputs, {});
    ASSERT_EQ(rows.size(), 29U);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LE(rows[i - 1].bill.totalAndTax, rows[i].bill.totalAndTax);
    }
    const auto at = [&rows](int slot) {
        return std::find_if(rows.begin(), rows.end(), [slot](auto& r) { return r.slot == slot; });
    };
    EXPECT_LT(at(9), at(8)); // "750   - BB Home Combo UL 750" is listed first

    const auto withCustom = PlanComparison::compare(page.mvarPlans(), page.cmbPlans(), inputs,
                                                    CustomPlanValues{100, 0, 0.01});
    ASSERT_EQ(withCustom.size(), 30U);
    EXPECT_EQ(withCustom[0].slot, PlanCatalogue::CustomSlot);
    EXPECT_DOUBLE_EQ(withCustom[0].bill.excessMB, 1279); // a limit of 0 is billed as 1 MB
}

// A night plan projects its charged usage over the month's own days; a session that ends
// after the month's last midnight means the month is complete.
TEST(MonthProjection, RunsTheChargedUsageToTheMonthEnd) {
    const auto night = MonthProjection::forPlan(PlanTerms{500, 1536, 0.2, true},
                                                usage(0, 1024 * 140, "2007-02-14", ""));
    EXPECT_EQ(night.daysInMonth, 28);
    EXPECT_DOUBLE_EQ(night.bill.chargedMB, 280);
    const auto complete = MonthProjection::forPlan(PlanTerms{250, 1024, 0.2, false},
                                                   usage(1310720, 0, "2007-04-01 00:30:00"));
    EXPECT_EQ(complete.daysElapsed, 31);
    EXPECT_DOUBLE_EQ(complete.bill.chargedMB, 1280);
}
