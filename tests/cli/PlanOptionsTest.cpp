#include "cli/PlanOptions.h"

#include "cli/CliError.h"
#include "platform/Clock.h"

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

struct Resolved {
    const char* name;
    std::vector<std::string> args;
    int slot;
    bool custom;
};

struct Refused {
    const char* name;
    std::vector<std::string> args;
    std::string message;
};

class PlanOptionsResolve : public ::testing::TestWithParam<Resolved> {};
class PlanOptionsRefuse : public ::testing::TestWithParam<Refused> {};

} // namespace

TEST_P(PlanOptionsResolve, FindsThePlan) {
    const PlanChoice choice = resolve(GetParam().args);
    EXPECT_EQ(choice.slot, GetParam().slot);
    EXPECT_EQ(choice.custom.has_value(), GetParam().custom);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plans, PlanOptionsResolve, ::testing::Values(
    Resolved{"None", {}, -1, false},
    Resolved{"NameInAnyCase", {"--plan", "bbg uld 2150"}, 16, false},
    Resolved{"ListText", {"--plan", "2150  - BBG Combo ULD 2150"}, 17, false},
    Resolved{"ListTextLoosely", {"--plan", "250 - bbg 250"}, 0, false},
    Resolved{"Slot", {"--plan", "slot:27"}, 27, false},
    Resolved{"CustomAlone", {"--custom-plan", "100,1280,0.25"}, 29, true},
    Resolved{"CustomNamed", {"--plan", "custom/user entered", "--custom-plan", "0,0,0"}, 29, true},
    Resolved{"CustomOnlyCompared", {"--plan", "slot:3", "--custom-plan", "99999,9999999999,9.99"}, 3, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_P(PlanOptionsRefuse, WithOneClearLine) {
    try {
        resolve(GetParam().args);
        ADD_FAILURE() << "accepted";
    } catch (const CliError& error) {
        EXPECT_EQ(error.what(), GetParam().message);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plans, PlanOptionsRefuse, ::testing::Values(
    Refused{"UnknownPlan", {"--plan", "BBG 251"},
            "--plan: unknown plan \"BBG 251\" (see `veltrix plans`)"},
    Refused{"EmptySlot", {"--plan", "slot:30"},
            "--plan: slot:30 holds no plan (slots 0 to 29; see `veltrix plans`)"},
    Refused{"CustomWithoutValues", {"--plan", "Custom/User entered"},
            "--plan: the custom plan needs --custom-plan CHARGE,LIMIT_MB,RATE"},
    Refused{"CustomTwoValues", {"--custom-plan", "100,1280"},
            "--custom-plan: expected CHARGE,LIMIT_MB,RATE such as 100,1280,0.25, got \"100,1280\""},
    Refused{"CustomChargeWithExponent", {"--custom-plan", "1e3,1280,0.2"},
            "--custom-plan: the charge must be whole rupees from 0 to 99999, got \"1e3\""},
    Refused{"CustomNegativeLimit", {"--custom-plan", "100,-5,0.2"},
            "--custom-plan: the limit must be whole MB from 0 to 9999999999, got \"-5\""},
    Refused{"CustomRateTooPrecise", {"--custom-plan", "100,1280,0.255"},
            "--custom-plan: the rate must be rupees per MB from 0 to 9.99 with at most two decimals, got \"0.255\""},
    Refused{"NoSuchDay", {"--today", "2007-02-30"},
            "--today: \"2007-02-30\" is not a date of the form YYYY-MM-DD"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PlanOptions, TodayComesFromTheOptionOrTheClock) {
    EXPECT_EQ(resolve({}).today, QDate(2007, 3, 31));
    EXPECT_EQ(resolve({"--today", "2008-02-29", "--compare-plans"}).today, QDate(2008, 2, 29));
    const PlanChoice custom = resolve({"--custom-plan", " 100 , 1280 , 0.25 "});
    EXPECT_EQ(custom.custom->nebPlanCharge, 100);
    EXPECT_EQ(custom.custom->nebBandWidthLimit, 1280);
    EXPECT_EQ(custom.custom->nebRsPerMB, 0.25);
}
