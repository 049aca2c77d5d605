#include "analysis/SummaryTexts.h"

#include "analysis/MonthSummary.h"

#include <gtest/gtest.h>
#include <map>

namespace {

MonthTotals usage(std::int64_t bandwidthKB, const char* lastRecorded, std::int64_t chargedKB = 0,
                  std::int64_t lastDayKB = 0, const char* month = "2007-03") {
    MonthTotals totals;
    totals.mlngTotalBandwidthKB = bandwidthKB;
    totals.mlngTotalChargedKB = chargedKB;
    totals.mdtLastRecordedDate = *CivilDateTime::parse(lastRecorded);
    totals.mlngLastDayUsageKB = lastDayKB;
    totals.mstrMonthYear = month;
    return totals;
}

// A label the page does not write in that run: it keeps what it showed.
constexpr const char* Unwritten = "(unwritten)";

struct SummaryCase {
    const char* name;
    int slot;
    MonthTotals totals;
    QDate today;
    std::map<std::string, std::string> texts;
    bool exceeded;
    bool todayShown;
    double barUsed;
    double barExcess;
};

const QDate april2(2007, 4, 2);

class SummaryFigures : public ::testing::TestWithParam<SummaryCase> {};

} // namespace

TEST_P(SummaryFigures, ShowTheExpectedTexts) {
    const SummaryCase& c = GetParam();
    const MonthSummary summary =
        MonthSummary::build(c.totals, {c.slot, std::nullopt, c.today, false});
    const UsageSummary& figures = *summary.figures;
    std::map<std::string, std::string> shown;
    for (const auto& [control, text] : SummaryTexts::of(figures).byControl()) {
        shown[std::string(control)] = text.value_or(Unwritten);
    }
    for (const auto& [control, text] : c.texts) {
        EXPECT_EQ(shown.at(control), text) << control;
    }
    EXPECT_EQ(figures.exceeded(), c.exceeded);
    EXPECT_EQ(figures.lastDayIsToday, c.todayShown);
    EXPECT_DOUBLE_EQ(figures.barUsed, c.barUsed);
    EXPECT_DOUBLE_EQ(figures.barExcess, c.barExcess);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plans, SummaryFigures, ::testing::Values(
    // the over-quota month is checked to the last digit in the summary JSON test
    SummaryCase{"ExactlyAtTheLimit", 0, usage(1048576, "2007-03-10 18:00:00"), april2,
        {{"lblAvailableBandWidth", "0.000 MB"}, {"lblAvailableAverage", "0.00 MB"},
         {"lblExcessBandwidth", "0"}, {"lblExcessRatePerMB", Unwritten},
         {"lblExcessAmount", "Rs. 0"}, {"txtPercentage", "100%"}, {"lblUsageToday", Unwritten},
         {"lblBillExcessCharge", "Rs. 0"}, {"lblBillTotalAndTax", "Rs. 275.75"}},
        false, false, 1, 0},
    // 512 MB by the 31st: no day left to spread the balance over
    SummaryCase{"LastDayOfTheMonthIsToday", 0, usage(524288, "2007-03-31 20:00:00", 0, 10240),
        QDate(2007, 3, 31),
        {{"lblAvailableDays", "0"}, {"lblAvailableAverage", ""}, {"lblUsageToday", "10.00 MB"},
         {"lblUsedAverageExclToday", "16.73 MB"}, {"lblAvailableAverageExclToday", "522.00 MB"}},
        false, true, 0.5, 0},
    // The same month whose last session ended at 00:30 on 1 April: still the 31st's usage.
    // Counting from 1 April would show an average of 512.00 MB a day and 29 days left.
    SummaryCase{"SessionPastMidnightCountsAsTheMonthsLastDay", 0,
        usage(524288, "2007-04-01 00:30:00", 0, 10240), QDate(2007, 3, 31),
        {{"lblUsedLastDay", " 31 Mar 2007"}, {"lblUsedAverage", "16.52 MB"},
         {"lblAvailableDays", "0"}, {"lblAvailableAverage", ""},
         {"lblAvailableAverageExclToday", "522.00 MB"}},
        false, true, 0.5, 0},
    SummaryCase{"PastMidnightIsNotTodayOnTheFirst", 0,
        usage(524288, "2007-04-01 00:30:00", 0, 10240), QDate(2007, 4, 1),
        {{"lblUsedLastDay", " 31 Mar 2007"}, {"lblUsageToday", Unwritten}}, false, false, 0.5, 0},
    SummaryCase{"FirstOfTheMonthIsToday", 7, usage(20480, "2007-03-01 09:00:00", 0, 20480),
        QDate(2007, 3, 1),
        {{"lblUsedAverage", "20.00 MB"}, {"lblUsedAverageExclToday", "0 MB"},
         {"lblAvailableDays", "30"}, {"lblAvailableAverage", "135.87 MB"},
         {"lblAvailableAverageExclToday", "132.13 MB"}},
        false, true, 20.0 / 4096, 0},
    SummaryCase{"ExceededToday", 0, usage(1310720, "2007-03-10 18:00:00", 0, 10240),
        QDate(2007, 3, 10),
        {{"lblAvailableAverageExclToday", "-11.18 MB"}, {"lblAvailableBandWidth", Unwritten},
         {"lblAvailableAverage", Unwritten}, {"lblExcessRatePerMB", "0.20"}},
        true, true, 1, 0.25},
    SummaryCase{"NightUnlimitedPlanChargesChargedUsage", 3,
        usage(2097152, "2007-03-10 18:00:00", 1048576), april2,
        {{"lblUsedBandWidth", "1024.000 MB"}, {"lblAvailableBandWidth", "512.000 MB"},
         {"txtPercentage", "67%"}, {"lblBillTotalAndTax", "Rs. 551.50"}},
        false, false, 1024.0 / 1536, 0},
    SummaryCase{"UnlimitedPlanToday", 2, usage(1310720, "2007-03-10 18:00:00", 0, 1024),
        QDate(2007, 3, 10),
        {{"lblBandWidthLimit", "Unlimited"}, {"lblRsPerMB", "NA"}, {"txtPercentage", "0%"},
         {"lblAvailableBandWidth", "Unlimited"}, {"lblAvailableAverage", "Unlimited"},
         {"lblAvailableAverageExclToday", "Unlimited"}, {"lblUsageToday", "1.00 MB"},
         {"lblExcessBandwidth", "0"}, {"lblExcessAmount", "Rs. 0"},
         {"lblBillPlanCharge", "Rs. 499"}, {"lblBillTotal", "Rs. 499.00"},
         {"lblBillTax", "Rs. 51.40"}, {"lblBillTotalAndTax", "Rs. 550.40"}},
        false, true, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(CustomPlan, ALimitOfZeroIsShownAndBilledAsOneMegabyte) {
    // the custom plan never treats night usage as free: 2 MB of bandwidth, 1 MB charged
    const MonthSummary summary =
        MonthSummary::build(usage(2048, "2007-03-10 18:00:00", 1024),
                            {Plan::CustomSlot, CustomPlanValues{100, 0, 0.25}, april2, false});
    EXPECT_TRUE(summary.figures->limitRaised);
    const SummaryTexts shown = SummaryTexts::of(*summary.figures);
    EXPECT_EQ(shown.bandwidthLimit, "1 MB");
    EXPECT_EQ(shown.planCharge, "Rs 100");
    EXPECT_EQ(shown.ratePerMB, "Rs 0.25");
    EXPECT_EQ(shown.excessAmount, "Rs. 0.25");
    EXPECT_EQ(shown.percentage, "200%");
    EXPECT_EQ(shown.billPlanCharge, "Rs. 100");
    EXPECT_EQ(shown.billTotal, "Rs. 100.25");
    EXPECT_EQ(summary.projection->plan.limitMB, 1);
}

namespace {

struct QuotaCase {
    const char* name;
    int slot;
    MonthTotals totals;
    const char* runsOut; // "" when the quota lasts the month
    const char* runOutText;
    const char* allowanceText;
};

class QuotaRunOut : public ::testing::TestWithParam<QuotaCase> {};

} // namespace

TEST_P(QuotaRunOut, OnTheHandWorkedDay) {
    const QuotaCase& c = GetParam();
    const MonthSummary summary = MonthSummary::build(c.totals, {c.slot, std::nullopt, april2});
    ASSERT_TRUE(summary.quota);
    const QuotaOutlook& quota = *summary.quota;
    EXPECT_EQ(quota.runsOut ? quota.runsOut->toString(Qt::ISODate).toStdString() : "", c.runsOut);
    EXPECT_EQ(SummaryTexts::quotaRunOut(quota), c.runOutText);
    EXPECT_EQ(SummaryTexts::dailyAllowance(quota), c.allowanceText);
}

// BBG 250 (slot 0) has 1024 MB, 1048576 KB. By the 10th of March, 524288 KB (512 MB) reach
// the limit at this pace by the end of the 20th, and 512 MB are left for 21 days; a kilobyte
// less reaches it only on the 21st. A 30-day April at its 15th projects 524288 KB to exactly
// the limit: that lasts the month, as the bill counts no excess; a kilobyte more runs out on
// the 30th.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Months, QuotaRunOut, ::testing::Values(
    QuotaCase{"ReachesTheLimitExactlyAtTheEndOfADay", 0, usage(524288, "2007-03-10 18:00:00"),
        "2007-03-20", "At this pace the 1024 MB run out on 20 Mar",
        "Left: 24.38 MB a day for 21 more days"},
    QuotaCase{"AKilobyteLessLastsADayMore", 0, usage(524287, "2007-03-10 18:00:00"),
        "2007-03-21", "At this pace the 1024 MB run out on 21 Mar",
        "Left: 24.38 MB a day for 21 more days"},
    QuotaCase{"ProjectedExactlyToTheLimitLastsTheMonth", 0,
        usage(524288, "2007-04-15 20:00:00", 0, 0, "2007-04"), "",
        "At this pace the 1024 MB last the month", "Left: 34.13 MB a day for 15 more days"},
    QuotaCase{"AKilobyteMoreRunsOutOnTheLastDay", 0,
        usage(524289, "2007-04-15 20:00:00", 0, 0, "2007-04"), "2007-04-30",
        "At this pace the 1024 MB run out on 30 Apr", "Left: 34.13 MB a day for 15 more days"},
    QuotaCase{"UsedExactlyUpBeforeTheMonthEnds", 0, usage(1048576, "2007-03-10 18:00:00"),
        "2007-03-10", "The 1024 MB ran out by 10 Mar", "Left: nothing for 21 more days"},
    QuotaCase{"AtTheLimitOnTheLastDayLastsTheMonth", 0, usage(1048576, "2007-03-31 22:00:00"), "",
        "At this pace the 1024 MB last the month", "No day left this month"},
    QuotaCase{"OverAfterMidnightRanOutByTheMonthsLastDay", 0,
        usage(1310720, "2007-04-01 00:30:00"), "2007-03-31", "The 1024 MB ran out by 31 Mar",
        "No day left this month"},
    // the night-free plan's 1536 MB against the charged 1024 MB, whatever the bandwidth
    QuotaCase{"NightFreePlanCountsTheChargedUsage", 3,
        usage(9000000, "2007-03-30 18:00:00", 1048576), "",
        "At this pace the 1536 MB last the month", "Left: 512.00 MB a day for 1 more day"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(QuotaRunOut, AnUnlimitedPlanHasNone) {
    EXPECT_FALSE(MonthSummary::build(usage(1310720, "2007-03-10 18:00:00"), {2, {}, april2}).quota);
}
