#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

TEST(NumberFormat, HalvesRoundAwayFromZero) {
    EXPECT_EQ(NumberFormat::decimals(50.625, 2), "50.63");
    EXPECT_EQ(NumberFormat::decimals(1014.0625, 3), "1014.063");
    EXPECT_EQ(NumberFormat::decimals(0.145, 2), "0.15"); // not 0.14 from the binary value
    EXPECT_EQ(NumberFormat::decimals(-2.5, 0), "-3");
    EXPECT_EQ(NumberFormat::decimals(2.5, 0), "3");
    EXPECT_EQ(NumberFormat::decimals(31.0236, 2), "31.02");
    EXPECT_EQ(NumberFormat::decimals(9.995, 2), "10.00");
    EXPECT_EQ(NumberFormat::decimals(999.9996, 3), "1000.000");
}

TEST(NumberFormat, PadsAndNeverShowsMinusZero) {
    EXPECT_EQ(NumberFormat::decimals(0.0, 2), "0.00");
    EXPECT_EQ(NumberFormat::decimals(128.0, 2), "128.00");
    EXPECT_EQ(NumberFormat::decimals(-0.001, 2), "0.00");
    EXPECT_EQ(NumberFormat::decimals(1280.0, 3), "1280.000");
    EXPECT_EQ(NumberFormat::decimals(1e20, 0), "100000000000000000000");
}

TEST(NumberFormat, FixedPointValuesAreRoundedExactly) {
    EXPECT_EQ(NumberFormat::decimals(FixedPoint::fromUnits(10140625), 3), "1014.063");
    EXPECT_EQ(NumberFormat::decimals(FixedPoint::fromUnits(-5), 3), "-0.001");
    EXPECT_EQ(NumberFormat::decimals(FixedPoint::fromUnits(-4), 3), "0.000");
}

TEST(NumberFormat, GeneralTextIsPlain) {
    EXPECT_EQ(NumberFormat::general(128.0), "128");
    EXPECT_EQ(NumberFormat::general(27.74), "27.74");
    EXPECT_EQ(NumberFormat::general(0.0), "0");
    EXPECT_EQ(NumberFormat::general(-0.0), "0");
    EXPECT_EQ(NumberFormat::general(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberFormat::general(3.25 + 2.25), "5.5");
    EXPECT_EQ(NumberFormat::general(-1.5), "-1.5");
    EXPECT_EQ(NumberFormat::general(1e20), "1E+20");
}
