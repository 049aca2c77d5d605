#include "analysis/MonthSummary.h"
#include "cli/CliError.h"
#include "cli/Commands.h"
#include "cli/PlanOptions.h"
#include "cli/SummaryJson.h"
#include "cli/SummaryText.h"
#include "platform/Clock.h"
#include "support/CliRunner.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A month over the quota: 1280 MB by 10 March, billed on "BBG 250" (1024 MB).
MonthTotals march2007() {
    MonthTotals inputs;
    inputs.mlngTotalBandwidthKB = 1310720;
    inputs.mlngTotalChargedKB = 1048576;
    inputs.mdtLastRecordedDate = *CivilDateTime::parse("2007-03-10 18:20:05");
    inputs.mlngLastDayUsageKB = 51200;
    inputs.mstrMonthYear = "2007-03";
    return inputs;
}

MonthSummary reportFor(std::vector<std::string> args, const MonthTotals& inputs = march2007()) {
    CLI::App command;
    PlanOptions options;
    options.addTo(command);
    std::reverse(args.begin(), args.end());
    command.parse(args);
    return MonthSummary::build(inputs, options.resolve(SystemClock()));
}

} // namespace

TEST(SummaryJson, OverQuotaMonthToTheLastDigit) {
    const auto json =
        SummaryJson::fragments(reportFor({"--plan", "BBG 250", "--today", "2007-04-02"}));
    // 1280 MB by the 10th on 1024 MB: 256 MB over at Rs 0.2 is Rs 51.20; 10.3% tax on 301.20
    // is 31.0236; at this pace 3968 MB by the 31st. The window's texts are those of the page.
    EXPECT_EQ(json.dump(),
              R"({"plan":{"slot":0,"name":"BBG 250","charge":250.0,"limit_mb":1024.0,)"
              R"("rate_per_mb":0.2,"night_free":false},)"
              R"("summary":{"used_mb":1280.0,"average_per_day_mb":128.0,)"
              R"("last_recorded_day":"2007-03-10","remaining_days":21,"balance_mb":-256.0,)"
              R"("available_per_day_mb":null,"excess_mb":256.0,"percent_used":125.0,)"
              R"("limit_raised":false,"today":false,"usage_today_mb":null,)"
              R"("average_per_day_excl_today_mb":null,"available_per_day_excl_today_mb":null,)"
              R"("bill":{"charge":250.0,"excess_amount":51.2,"total":301.2,"tax":31.02,)"
              R"("total_with_tax":332.22},)"
              R"("window":{"texts":{"lblPlanCharge":"Rs  250","lblBandWidthLimit":" 1024 MB",)"
              R"("lblRsPerMB":"Rs  0.2","lblUsedBandWidth":"1280.000 MB",)"
              R"("lblUsedAverage":"128.00 MB","lblUsedLastDay":" 10 Mar 2007",)"
              R"("lblUsedAverageExclToday":"0","lblUsageToday":"0","lblAvailableBandWidth":"0",)"
              R"("lblAvailableDays":"21","lblAvailableAverage":"0",)"
              R"("lblAvailableAverageExclToday":"0","lblExcessBandwidth":"256.000 MB",)"
              R"("lblExcessRatePerMB":"0.20","lblExcessAmount":"Rs. 51.20","txtPercentage":"125%",)"
              R"("lblBillPlanCharge":"Rs. 250","lblBillExcessCharge":"Rs. 51.20",)"
              R"("lblBillTotal":"Rs. 301.20","lblBillTax":"Rs. 31.02",)"
              R"("lblBillTotalAndTax":"Rs. 332.22"},)"
              R"("visible":{"fraAvailable":false,"fraExcess":true,"today":false},)"
              R"("bar":{"used":1.0,"excess":0.25}}},)"
              R"("projection":{"days_elapsed":10,"days_in_month":31,"usage_mb":3968.0,)"
              R"("excess_mb":2944.0,"total_and_tax":925.2,"quota_runs_out":"2007-03-10",)"
              R"("daily_allowance_mb":0.0}})");
}

TEST(SummaryJson, WithoutAPlanNothingIsBilled) {
    const auto json = SummaryJson::fragments(reportFor({"--compare-plans"}));
    EXPECT_TRUE(json["plan"].is_null());
    EXPECT_TRUE(json["summary"].is_null());
    EXPECT_TRUE(json["projection"].is_null());
    ASSERT_EQ(json["compare_plans"].size(), 29U);
    EXPECT_EQ(json["compare_plans"][0].dump(),
              R"({"slot":0,"name":"BBG 250","charged_mb":1280.0,"excess_mb":256.0,)"
              R"("excess_amount":51.2,"total":301.2,"tax":31.02,"total_and_tax":332.22})");
    EXPECT_FALSE(SummaryJson::fragments(reportFor({})).contains("compare_plans"));
}

TEST(SummaryText, OverQuotaMonthAsAPersonReadsIt) {
    const MonthSummary report = reportFor({"--plan", "BBG 250", "--today", "2007-04-02"});
    EXPECT_EQ(SummaryText::render(report, false), R"(Usage for 2007-03
  Bandwidth (all rows)          1310720 KB     1280.000 MB    1.250 GB
  Charged usage (all rows)      1048576 KB     1024.000 MB    1.000 GB

Plan  BBG 250  (slot:0)
  Plan Charge                                   Rs 250
  Bandwidth Limit                              1024 MB
  Rs/Excess MB                                  Rs 0.2

Charged Usage
  Charged Bandwidth                        1280.000 MB
  Average per day                            128.00 MB
  Last recorded day                        10 Mar 2007
  Remaining days                                    21

Excess Usage
  Excess Bandwidth                          256.000 MB
  Rs per excess MB                                0.20
  Extra Amount                               Rs. 51.20

Quota
  [########################################]!!!!!!!!!!  125% of the quota used

Bill
  Plan Charge                                  Rs. 250
  Excess Charge                              Rs. 51.20
  Total                                     Rs. 301.20
  Tax (10.30%)                               Rs. 31.02
  Total + Tax                               Rs. 332.22

Month-end projection at this pace (10 of 31 days)
  Usage                                    3968.000 MB
  Excess                                   2944.000 MB
  Total + Tax                               Rs. 925.20
  The 1024 MB ran out by 10 Mar
  Left: nothing for 21 more days
)");
    EXPECT_NE(SummaryText::render(report, true).find("\033[1mBill\033[0m"), std::string::npos);
}

TEST(SummaryText, ComparisonTableMarksTheChosenPlan) {
    const std::string text = SummaryText::render(
        reportFor({"--plan", "slot:1", "--today", "2007-04-02", "--compare-plans"}), false);
    EXPECT_NE(text.find("   Slot  Plan                        Charged MB  Excess MB  Extra Rs"
                        "  Total Rs   Tax Rs  Total+Tax Rs\n"
                        "      0  BBG 250                       1280.000    256.000     51.20"
                        "    301.20    31.02        332.22\n"
                        "  *   1  BBG Combo 299"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  * the plan chosen above\n"), std::string::npos);
    EXPECT_EQ(text.find('\033'), std::string::npos);

    const std::string none = SummaryText::render(reportFor({}), false);
    EXPECT_NE(none.find("No plan chosen"), std::string::npos);
    EXPECT_EQ(none.find("Bill"), std::string::npos);
}

TEST(PlansCommand, PrintsTheListInOrderWithSlotsAndTermsInColumns) {
    // The list is in the order of the plans' names as text (so "1000" before "250"), each
    // with its slot and terms, the figures right-aligned; the custom slot comes last.
    const CliRun run = runVeltrix({"plans"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& printed = run.out;
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 31);
    EXPECT_TRUE(printed.starts_with(
        "SLOT     PLAN                                  CHARGE      LIMIT  EXCESS RATE  NIGHT USE\n"
        "slot:12  1000  - BBG Combo ULD 1000           Rs 1000  unlimited            -  charged\n"
        "slot:13  1111  - BBG Combo 1111               Rs 1111   15360 MB    Rs 0.1/MB  charged\n"))
        << printed;
    EXPECT_NE(printed.find("\nslot:4   599   - BBG FN Combo 599              Rs 599    4096 MB"
                           "    Rs 0.2/MB  free\n"),
              std::string::npos);
    EXPECT_TRUE(printed.ends_with("\nslot:29  Custom/User entered                 "
                                  "(your own: --custom-plan CHARGE,LIMIT_MB,RATE)\n"));
    EXPECT_EQ(nlohmann::json::parse(runVeltrix({"plans", "--json"}).out)[15]["night_free"], true);
}
