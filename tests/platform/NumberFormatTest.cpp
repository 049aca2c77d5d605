#include "platform/NumberFormat.h"

#include <gtest/gtest.h>
#include <tuple>

// Halves round away from zero, from the decimal text rather than the binary value; no minus zero.
TEST(NumberFormat, DecimalsRoundHalvesAwayFromZeroAndPad) {
    const std::tuple<double, int, const char*> cases[] = {
        {50.625, 2, "50.63"},    {1014.0625, 3, "1014.063"},
        {0.145, 2, "0.15"},      {-2.5, 0, "-3"},
        {2.5, 0, "3"},           {31.0236, 2, "31.02"},
        {9.995, 2, "10.00"},     {999.9996, 3, "1000.000"},
        {0.0, 2, "0.00"},        {-0.001, 2, "0.00"},
        {1280.0, 3, "1280.000"}, {1e20, 0, "100000000000000000000"}};
    for (const auto& [value, places, text] : cases) {
        EXPECT_EQ(NumberFormat::decimals(value, places), text) << value;
    }
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
