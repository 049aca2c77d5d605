#include "analysis/SummaryPage.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>
#include <map>

namespace {

MonthTotals usage(std::int64_t bandwidthKB, const char* lastRecorded, std::int64_t chargedKB = 0,
                  std::int64_t lastDayKB = 0) {
    MonthTotals inputs;
    inputs.mlngTotalBandwidthKB = bandwidthKB;
    inputs.mlngTotalChargedKB = chargedKB;
    inputs.mdtLastRecordedDate = *CivilDateTime::parse(lastRecorded);
    inputs.mlngLastDayUsageKB = lastDayKB;
    return inputs;
}

void choose(SummaryPage& page, int slot) {
    page.cmbPlans().setListIndex(page.cmbPlans().indexOfSlot(slot));
}

struct SummaryCase {
    const char* name;
    int slot;
    MonthTotals inputs;
    QDate today;
    std::map<std::string, std::string> texts;
    bool exceeded;
    bool todayShown;
    double barUsed;
    double barExcess;
};

const QDate april2(2007, 4, 2);

class CreateSummaryFigures : public ::testing::TestWithParam<SummaryCase> {};

class CreateSummary : public ::testing::Test {
protected:
    FixedClock clock{april2};
    SummaryPage page{clock};
};

} // namespace

TEST_P(CreateSummaryFigures, ShowTheExpectedTexts) {
    const SummaryCase& c = GetParam();
    FixedClock clock(c.today);
    SummaryPage page(clock);
    choose(page, c.slot);
    const SummaryRun run = page.computeSummary(c.inputs);
    ASSERT_EQ(run.outcome, SummaryRun::Outcome::Completed) << run.failure;
    const UsageSummary& shown = page.figures();
    const auto labels = shown.labelTexts();
    const std::map<std::string_view, std::string> textOf(labels.begin(), labels.end());
    for (const auto& [label, text] : c.texts) {
        EXPECT_EQ(textOf.at(label), text) << label;
    }
    EXPECT_EQ(shown.fraExcessVisible, c.exceeded);
    EXPECT_EQ(shown.fraAvailableVisible, !c.exceeded);
    EXPECT_EQ(shown.todayVisible, c.todayShown);
    EXPECT_DOUBLE_EQ(shown.barUsed, c.barUsed);
    EXPECT_DOUBLE_EQ(shown.barExcess, c.barExcess);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plans, CreateSummaryFigures, ::testing::Values(
    // the over-quota month is checked label by label in the summary JSON test
    SummaryCase{"ExactlyAtTheLimit", 0, usage(1048576, "2007-03-10 18:00:00"), april2,
        {{"lblAvailableBandWidth", "0.000 MB"}, {"lblAvailableAverage", "0.00 MB"},
         {"lblExcessBandwidth", "0"}, {"lblExcessAmount", "Rs. 0"}, {"txtPercentage", "100%"},
         {"lblBillExcessCharge", "Rs. 0"}, {"lblBillTotalAndTax", "Rs. 275.75"}},
        false, false, 1, 0},
    SummaryCase{"LastDayOfTheMonthIsToday", 0, usage(524288, "2007-03-31 20:00:00", 0, 10240),
        QDate(2007, 3, 31),
        {{"lblAvailableDays", "0"}, {"lblAvailableAverage", ""}, {"lblUsageToday", "10.00 MB"},
         {"lblUsedAverageExclToday", "16.73 MB"}, {"lblAvailableAverageExclToday", "522.00 MB"}},
        false, true, 0.5, 0},
    SummaryCase{"FirstOfTheMonthIsToday", 7, usage(20480, "2007-03-01 09:00:00", 0, 20480),
        QDate(2007, 3, 1),
        {{"lblUsedAverage", "20.00 MB"}, {"lblUsedAverageExclToday", "0 MB"},
         {"lblAvailableDays", "30"}, {"lblAvailableAverage", "135.87 MB"},
         {"lblAvailableAverageExclToday", "132.13 MB"}},
        false, true, 20.0 / 4096, 0},
    SummaryCase{"ExceededToday", 0, usage(1310720, "2007-03-10 18:00:00", 0, 10240),
        QDate(2007, 3, 10), {{"lblAvailableAverageExclToday", "-11.18 MB"}}, true, true, 1, 0.25},
    SummaryCase{"NightUnlimitedPlanChargesChargedUsage", 3,
        usage(2097152, "2007-03-10 18:00:00", 1048576), april2,
        {{"lblUsedBandWidth", "1024.000 MB"}, {"lblAvailableBandWidth", "512.000 MB"},
         {"txtPercentage", "67%"}, {"lblBillTotalAndTax", "Rs. 551.50"}},
        false, false, 1024.0 / 1536, 0},
    SummaryCase{"UnlimitedPlanToday", 2, usage(1310720, "2007-03-10 18:00:00", 0, 1024),
        QDate(2007, 3, 10),
        {{"txtPercentage", "0%"}, {"lblAvailableBandWidth", "Unlimited"},
         {"lblAvailableAverage", "Unlimited"}, {"lblAvailableAverageExclToday", "Unlimited"},
         {"lblUsageToday", "1.00 MB"}, {"lblExcessBandwidth", "0"}, {"lblExcessAmount", "Rs. 0"},
         {"lblBillPlanCharge", "Rs. 499"}, {"lblBillTotal", "Rs. 499.00"},
         {"lblBillTax", "Rs. 51.40"}, {"lblBillTotalAndTax", "Rs. 550.40"}},
        false, true, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(CreateSummary, NoPlanChosenChangesNothing) {
    EXPECT_EQ(page.CreateSummary(usage(1310720, "2007-03-10 18:00:00")).outcome,
              SummaryRun::Outcome::NoPlanChosen);
    EXPECT_EQ(page.figures(), UsageSummary());
}

TEST_F(CreateSummary, CustomLimitOfZeroIsShownAndBilledAsOneMegabyte) {
    choose(page, PlanCatalogue::CustomSlot);
    page.customPlan() = {100, 0, 0.25};
    // the custom plan never treats night usage as free: 2 MB of bandwidth, 1 MB charged
    const MonthTotals inputs = usage(2048, "2007-03-10 18:00:00", 1024);
    EXPECT_EQ(page.CreateSummary(inputs).outcome, SummaryRun::Outcome::LimitRaised);
    EXPECT_EQ(page.customPlan().nebBandWidthLimit, 1);
    EXPECT_EQ(page.figures().lblBandWidthLimit, "0 MB");
    EXPECT_EQ(page.figures().lblUsedBandWidth.text, "0"); // this run ended before the figures
    EXPECT_EQ(page.CreateSummary(inputs).outcome, SummaryRun::Outcome::Completed);
    const UsageSummary& shown = page.figures();
    EXPECT_TRUE(shown.customPlanEntry);
    EXPECT_EQ(shown.lblBandWidthLimit, "1 MB");
    EXPECT_EQ(shown.lblPlanCharge, "Rs 100");
    EXPECT_EQ(shown.lblRsPerMB, "Rs 0.25");
    EXPECT_EQ(shown.lblExcessAmount.text, "Rs. 0.25");
    EXPECT_EQ(shown.txtPercentage.text, "200%");
    EXPECT_EQ(shown.lblBillPlanCharge.text, "Rs. 100");
    EXPECT_EQ(shown.lblBillTotal.text, "Rs. 100.25");
}

TEST_F(CreateSummary, FiguresARunDoesNotReachKeepWhatTheyShowed) {
    choose(page, 0);
    page.computeSummary(usage(1310720, "2007-03-10 18:00:00")); // exceeded
    page.computeSummary(usage(524288, "2007-03-10 18:00:00"));  // within the quota
    EXPECT_EQ(page.figures().lblAvailableBandWidth.text, "512.000 MB");
    EXPECT_EQ(page.figures().lblExcessRatePerMB.text, "0.20"); // not rewritten on this path
    page.computeSummary(usage(1310720, "2007-03-10 18:00:00"));
    EXPECT_FALSE(page.figures().fraAvailableVisible);
    EXPECT_EQ(page.figures().lblAvailableBandWidth.text, "512.000 MB");
    EXPECT_EQ(page.figures().lblAvailableAverage.text, "24.38 MB");
}

TEST_F(CreateSummary, FailureStopsWhereItHappens) {
    choose(page, 0);
    page.mvarPlans().setField(0, PlanCatalogue::Rate, " 0.2x");
    const SummaryRun run = page.computeSummary(usage(1310720, "2007-03-10 18:00:00"));
    EXPECT_EQ(run.outcome, SummaryRun::Outcome::Failed);
    EXPECT_EQ(run.failure, "Type mismatch");
    EXPECT_EQ(page.figures().lblExcessBandwidth.text, "256.000 MB");
    EXPECT_TRUE(page.figures().fraExcessVisible);
    EXPECT_EQ(page.figures().lblExcessRatePerMB.text, "0");
    EXPECT_EQ(page.figures().lblBillTotal.text, "0");

    page.mvarPlans().reload();
    page.mvarPlans().setField(0, PlanCatalogue::Charge, " 250 Rs");
    EXPECT_EQ(page.computeSummary(usage(1310720, "2007-03-10 18:00:00")).failure, "Type mismatch");
    EXPECT_EQ(page.figures().lblBillPlanCharge.text, "Rs. 250 Rs");
    EXPECT_EQ(page.figures().lblBillExcessCharge.text, "Rs. 51.20");
    EXPECT_EQ(page.figures().lblBillTotal.text, "0");
}
