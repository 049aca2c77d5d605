#include "platform/FixedPoint.h"

#include <gtest/gtest.h>

TEST(FixedPoint, TextHasNoTrailingZerosAndKeepsItsSign) {
    EXPECT_EQ(FixedPoint(1310720).toText(), "1310720");
    EXPECT_EQ(FixedPoint::fromUnits(5000).toText(), "0.5");
    EXPECT_EQ(FixedPoint::fromUnits(-29).toText(), "-0.0029");
    EXPECT_EQ(FixedPoint().toText(), "0");
}

TEST(FixedPoint, QuotientsRoundToFourDecimalsTiesToEven) {
    // 1 / 1024 = 0.0009765625 -> 0.001 (above the half)
    EXPECT_EQ(FixedPoint(1).dividedBy(1024).toText(), "0.001");
    // 0.00005 exactly half way: 1 unit / 2 = 0.5 unit -> even 0
    EXPECT_EQ(FixedPoint::fromUnits(1).dividedBy(2).units(), 0);
    EXPECT_EQ(FixedPoint::fromUnits(3).dividedBy(2).units(), 2);
    EXPECT_EQ(FixedPoint::fromUnits(-3).dividedBy(2).units(), -2);
    EXPECT_EQ(FixedPoint::fromUnits(-1).dividedBy(2).units(), 0);
    // 1038400 KB -> MB -> GB, each quotient rounded
    const FixedPoint mb = FixedPoint(1038400).dividedBy(1024);
    EXPECT_EQ(mb.toText(), "1014.0625");
    EXPECT_EQ(mb.dividedBy(1024).toText(), "0.9903");
}

TEST(FixedPoint, SumsBeyondTwoTerabytesDoNotOverflow) {
    FixedPoint total;
    for (int i = 0; i < 3; ++i) {
        total += FixedPoint(2147483647);
    }
    EXPECT_EQ(total.toText(), "6442450941");
    EXPECT_EQ(total.roundedWhole(), 6442450941LL);
}

TEST(FixedPoint, ResultsBeyondTheRangeThrowInsteadOfWrapping) {
    const FixedPoint big(922337203685477); // the largest whole number that fits
    EXPECT_THROW(FixedPoint(1000000000000000), std::overflow_error);
    EXPECT_THROW(big + big, std::overflow_error);
    EXPECT_THROW(-big - big, std::overflow_error);
    EXPECT_THROW(big * 2, std::overflow_error);
    FixedPoint sum = big;
    EXPECT_THROW(sum += FixedPoint(1), std::overflow_error);
    EXPECT_EQ(sum, big);
}

TEST(FixedPoint, ParsesDecimalTexts) {
    EXPECT_EQ(FixedPoint::parse(" 12.5 ")->toText(), "12.5");
    EXPECT_EQ(FixedPoint::parse("1.23456")->toText(), "1.2346");
    EXPECT_EQ(FixedPoint::parse("1.00005")->toText(), "1"); // tie to even
    EXPECT_EQ(FixedPoint::parse(".5")->toText(), "0.5");
    EXPECT_FALSE(FixedPoint::parse(""));
    EXPECT_FALSE(FixedPoint::parse("12a"));
    EXPECT_FALSE(FixedPoint::parse("1.2.3"));
    EXPECT_FALSE(FixedPoint::parse("-"));
    EXPECT_FALSE(FixedPoint::parse("."));
}

TEST(FixedPoint, DivisionByFixedPointAndRounding) {
    EXPECT_EQ(FixedPoint(10).dividedBy(FixedPoint(3)).toText(), "3.3333");
    EXPECT_EQ(FixedPoint::fromUnits(12345).rounded(2).toText(), "1.23");
    EXPECT_EQ(FixedPoint::fromUnits(12350).rounded(2).toText(), "1.24");
    EXPECT_EQ(FixedPoint::fromUnits(12250).rounded(2).toText(), "1.22");
    EXPECT_THROW(FixedPoint(1).dividedBy(0), std::domain_error);
}
