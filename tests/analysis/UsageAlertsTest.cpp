#include "analysis/UsageAlerts.h"

#include "analysis/MonthSummary.h"
#include "analysis/PlanCatalogue.h"

#include <gtest/gtest.h>

namespace {

using Kind = UsageAlert::Kind;

constexpr int BBG250 = 0;        // 1024 MB
constexpr int HomeUnlimited = 2; // no limit
constexpr int NightCombo500 = 3; // 1536 MB, the night hours free
constexpr int NoPlan = -1;

struct AlertCase {
    const char* name;
    int slot;
    std::int64_t bandwidthKB;
    std::int64_t chargedKB;
    const char* lastRecorded; // the projection runs to this day's month end
    AlertThresholds thresholds;
    std::vector<Kind> expected;
    double customLimitMB = 0; // with slot 29
};

MonthSummary summaryOf(const AlertCase& c) {
    MonthTotals totals;
    totals.mlngTotalBandwidthKB = c.bandwidthKB;
    totals.mlngTotalChargedKB = c.chargedKB;
    totals.mdtLastRecordedDate = *CivilDateTime::parse(c.lastRecorded);
    totals.mstrMonthYear = std::string(c.lastRecorded).substr(0, 7);
    PlanChoice choice;
    choice.slot = c.slot;
    choice.today = QDate(2007, 5, 2);
    if (c.slot == PlanCatalogue::CustomSlot) {
        choice.custom = CustomPlanValues{100, c.customLimitMB, 0.5};
    }
    return MonthSummary::build(totals, choice);
}

std::vector<Kind> kinds(const std::vector<UsageAlert>& alerts) {
    std::vector<Kind> result;
    for (const UsageAlert& alert : alerts) {
        result.push_back(alert.kind);
    }
    return result;
}

const AlertThresholds At80{80.0, false};
const AlertThresholds Projection{std::nullopt, true};
const AlertThresholds Both{80.0, true};
constexpr const char* MonthEnd = "2007-03-31 23:00:00"; // nothing left to project

class AlertRule : public ::testing::TestWithParam<AlertCase> {};

} // namespace

TEST_P(AlertRule, RaisesExactlyTheExpectedAlerts) {
    const AlertCase& c = GetParam();
    EXPECT_EQ(kinds(UsageAlerts::raise(summaryOf(c), c.thresholds)), c.expected);
}

// 80% of 1024 MB is 838860.8 KB; 80% of 1536 MB is 1258291.2 KB. A 30-day April at day 15
// projects twice the usage: 524288 KB projects exactly the 1024 MB limit, which is not over.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Thresholds, AlertRule, ::testing::Values(
    AlertCase{"JustBelowShare", BBG250, 838860, 838860, MonthEnd, At80, {}},
    AlertCase{"JustAtShare", BBG250, 838861, 838861, MonthEnd, At80, {Kind::Reached}},
    AlertCase{"ProjectionExactlyAtLimit", BBG250, 524288, 0, "2007-04-15 20:00:00", Projection, {}},
    AlertCase{"ProjectionJustOver", BBG250, 524289, 0, "2007-04-15 20:00:00", Projection,
              {Kind::Projected}},
    AlertCase{"ShareAndProjection", BBG250, 900000, 0, "2007-03-10 20:00:00", Both,
              {Kind::Reached, Kind::Projected}},
    AlertCase{"OverTheLimitAtMonthEndIsProjectedToo", BBG250, 1100000, 0, MonthEnd, Projection,
              {Kind::Projected}},
    AlertCase{"NightPlanCountsChargedUsageOnly", NightCombo500, 9000000, 1258291, MonthEnd, Both,
              {}},
    AlertCase{"NightPlanChargedAtShare", NightCombo500, 9000000, 1258292, MonthEnd, At80,
              {Kind::Reached}},
    AlertCase{"UnlimitedNeverAlerts", HomeUnlimited, 900000000, 900000000, "2007-03-02 20:00:00",
              Both, {}},
    AlertCase{"CustomLimitOfZeroIsBilledAsOneMB", PlanCatalogue::CustomSlot, 1024, 0, MonthEnd,
              {100.0, false}, {Kind::Reached}, 0},
    AlertCase{"NoPlanNoAlert", NoPlan, 90000000, 0, MonthEnd, Both, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on
