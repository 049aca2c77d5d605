#include "platform/CivilDateTime.h"

#include <gtest/gtest.h>

TEST(CivilDateTime, ReadsThePortalFormats) {
    const auto full = CivilDateTime::parse("2007-03-05 10:20:30");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->toText(), "2007-03-05 10:20:30");
    EXPECT_EQ(CivilDateTime::parse(" 2007-03-05 ")->toText(), "2007-03-05 00:00:00");
    EXPECT_EQ(CivilDateTime::parse("2007/3/5 7:05")->toText(), "2007-03-05 07:05:00");
}

TEST(CivilDateTime, RefusesWhatIsNotADateTime) {
    for (const char* text : {"", "2007-02-30 10:00:00", "2007-03-05 24:00:00", "05-03-2007",
                             "2007-03-05 10:20:30 extra", "2007-03-05 10:61", "abc"}) {
        EXPECT_FALSE(CivilDateTime::parse(text)) << text;
    }
}

TEST(CivilDateTime, OrdersByCalendarNotByClock) {
    // 2007-03-25 is a daylight-saving day in Europe: the civil order is unaffected.
    const auto early = CivilDateTime::fromParts(2007, 3, 25, 1, 59, 59);
    const auto late = CivilDateTime::fromParts(2007, 3, 25, 2, 0, 0);
    EXPECT_LT(early, late);
    EXPECT_EQ(late, late.atHour(2));
    EXPECT_LT(CivilDateTime::fromParts(2007, 3, 24, 23), CivilDateTime::fromParts(2007, 3, 25));
}
