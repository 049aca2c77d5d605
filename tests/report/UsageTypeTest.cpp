#include "report/UsageType.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    const char* from;
    const char* to;
    UsageType expected;
};

class Classification : public testing::TestWithParam<Case> {};

TEST_P(Classification, NightWindowOfTheEndDay) {
    const Case& c = GetParam();
    const auto from = *CivilDateTime::parse(c.from);
    const auto to = *CivilDateTime::parse(c.to);
    const bool sameDay = std::string(c.from).substr(0, 10) == std::string(c.to).substr(0, 10);
    EXPECT_EQ(classifyRow(from, to, sameDay, true), c.expected);
    EXPECT_EQ(classifyRow(from, to, sameDay, false), UsageType::NonFree);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Classification,
    testing::Values(
        Case{"InsideTheWindow", "2007-03-05 03:00:00", "2007-03-05 07:00:00", UsageType::Free},
        Case{"StartsInsideEndsAfter", "2007-03-05 03:00:00", "2007-03-05 09:00:00",
             UsageType::Mixed},
        Case{"StartsBeforeEndsInside", "2007-03-05 01:00:00", "2007-03-05 03:00:00",
             UsageType::Mixed},
        Case{"SpansTheWindow", "2007-03-05 01:00:00", "2007-03-05 09:00:00", UsageType::Mixed},
        Case{"AfterTheWindow", "2007-03-05 08:00:00", "2007-03-05 10:00:00", UsageType::NonFree},
        Case{"EndsExactlyAtEight", "2007-03-05 07:59:59", "2007-03-05 08:00:00", UsageType::Mixed},
        Case{"StartsExactlyAtTwo", "2007-03-05 02:00:00", "2007-03-05 02:30:00", UsageType::Free},
        Case{"EndsExactlyAtTwo", "2007-03-05 01:00:00", "2007-03-05 02:00:00", UsageType::Mixed},
        Case{"OnlyTheEndDayCounts", "2007-03-05 03:00:00", "2007-03-06 01:00:00",
             UsageType::NonFree},
        Case{"PreviousNightIntoWindow", "2007-03-04 23:00:00", "2007-03-05 03:00:00",
             UsageType::Mixed},
        // A daylight-saving night in Europe and America: civil times, no shift.
        Case{"DaylightSavingNight", "2007-03-25 02:30:00", "2007-03-25 03:30:00", UsageType::Free},
        Case{"AmericanChangeNight", "2007-03-11 01:30:00", "2007-03-11 07:59:00",
             UsageType::Mixed}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
