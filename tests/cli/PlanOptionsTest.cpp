#include "cli/PlanOptions.h"

#include "cli/CliError.h"
#include "support/FixedClock.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

PlanChoice resolve(std::vector<std::string> args) {
    CLI::App command;
    PlanOptions options;
    options.addTo(command);
    std::reverse(args.begin(), args.end()); // CLI11 takes the arguments last first
    command.parse(args);
    return options.resolve(FixedClock(QDate(2007, 3, 31)));
}

} // namespace

TEST(PlanOptions, FindsThePlan) {
    const struct {
        std::vector<std::string> args;
        int slot;
        bool custom;
    } cases[] = {
        {{}, -1, false},
        {{"--plan", "bbg uld 2150"}, 16, false},
        {{"--plan", "2150  - BBG Combo ULD 2150"}, 17, false},
        {{"--plan", "250 - bbg 250"}, 0, false},
        {{"--plan", "slot:27"}, 27, false},
        {{"--custom-plan", "100,1280,0.25"}, 29, true},
        {{"--plan", "custom/user entered", "--custom-plan", "0,0,0"}, 29, true},
        {{"--plan", "slot:3", "--custom-plan", "99999,9999999999,9.99"}, 3, true}, // compared only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "none" : c.args[1]);
        const PlanChoice choice = resolve(c.args);
        EXPECT_EQ(choice.slot, c.slot);
        EXPECT_EQ(choice.custom.has_value(), c.custom);
    }
}

TEST(PlanOptions, RefusesWithOneClearLine) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--plan", "BBG 251"}, "--plan: unknown plan \"BBG 251\" (see `veltrix plans`)"},
        {{"--plan", "slot:30"},
         "--plan: slot:30 holds no plan (slots 0 to 29; see `veltrix plans`)"},
        {{"--plan", "Custom/User entered"},
         "--plan: the custom plan needs --custom-plan CHARGE,LIMIT_MB,RATE"},
        {{"--custom-plan", "100,1280"},
         "--custom-plan: expected CHARGE,LIMIT_MB,RATE such as 100,1280,0.25, got \"100,1280\""},
        {{"--custom-plan", "1e3,1280,0.2"},
         "--custom-plan: the charge must be whole rupees from 0 to 99999, got \"1e3\""},
        {{"--custom-plan", "100,-5,0.2"},
         "--custom-plan: the limit must be whole MB from 0 to 9999999999, got \"-5\""},
        {{"--custom-plan", "100,1280,0.255"},
         "--custom-plan: the rate must be rupees per MB from 0 to 9.99 with at most two "
         "decimals, got \"0.255\""},
        {{"--today", "2007-02-30"}, "--today: \"2007-02-30\" is not a date of the form YYYY-MM-DD"},
    };
    for (const auto& [args, message] : cases) {
        try {
            resolve(args);
            ADD_FAILURE() << "accepted " << args[1];
        } catch (const CliError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST(PlanOptions, TodayComesFromTheOptionOrTheClock) {
    EXPECT_EQ(resolve({}).today, QDate(2007, 3, 31));
    EXPECT_EQ(resolve({"--today", "2008-02-29", "--compare-plans"}).today, QDate(2008, 2, 29));
    const PlanChoice custom = resolve({"--custom-plan", " 100 , 1280 , 0.25 "});
    EXPECT_EQ(custom.custom->nebPlanCharge, 100);
    EXPECT_EQ(custom.custom->nebBandWidthLimit, 1280);
    EXPECT_EQ(custom.custom->nebRsPerMB, 0.25);
}
