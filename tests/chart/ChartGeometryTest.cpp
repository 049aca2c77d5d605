#include "chart/ChartGeometry.h"

#include "ChartTestItems.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

struct Grid {
    std::set<long long> labelled;
    std::set<long long> unlabelledMajor;
    std::set<long long> minor;
};

// The grid of a chart of the given height in pixels (15 twips per pixel, margins 50/55).
Grid gridOf(double minY, double maxY, float major, float minor, int heightPixels = 500) {
    XChartModel model;
    model.setMinY(-1e9);
    model.setMaxY(maxY);
    model.setMinY(minY);
    model.setIntersectMajor(major);
    model.setIntersectMinor(minor);
    ChartTestItems::fill(model, {}, 900, heightPixels);
    Grid grid;
    const double labelPitch = 12 * 15; // a 6 pt digit is about 10 px high
    for (const GridLine& line : model.geometry().gridLines(major, minor, true, labelPitch, 60)) {
        if (!line.major) {
            grid.minor.insert(line.value);
        } else if (line.labelled) {
            grid.labelled.insert(line.value);
        } else {
            grid.unlabelledMajor.insert(line.value);
        }
    }
    return grid;
}

} // namespace

TEST(ChartGeometry, MajorLinesOnMultiplesMinorLinesCountedFromTheTop) {
    const Grid grid = gridOf(0, 100, 10, 2);
    EXPECT_EQ(grid.labelled, (std::set<long long>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_TRUE(grid.unlabelledMajor.empty());
    EXPECT_EQ(grid.minor.size(), 40u);
    for (const long long v : {2, 4, 6, 8, 12, 98}) {
        EXPECT_TRUE(grid.minor.count(v)) << v;
    }
    EXPECT_FALSE(grid.minor.count(10));

    // Minor steps start at the top: with MaxY 25 and a step of 2 they fall on odd values.
    const Grid odd = gridOf(0, 25, 10, 2);
    EXPECT_EQ(odd.labelled, (std::set<long long>{0, 10, 20, 25}));
    EXPECT_TRUE(odd.minor.count(23) && odd.minor.count(1) && !odd.minor.count(2));
}

TEST(ChartGeometry, CrowdedGridsWidenTheirStepsAndKeepTheEndsLabelled) {
    // 2000 MB on 500 px: a label every 10 MB would be 2 px apart.
    const Grid grid = gridOf(0, 2000, 10, 2);
    EXPECT_TRUE(grid.labelled.count(0) && grid.labelled.count(2000));
    EXPECT_LE(grid.labelled.size(), 40u);
    EXPECT_GE(grid.labelled.size(), 5u);
    for (const long long v : grid.labelled) {
        EXPECT_TRUE(v % 10 == 0) << v;
    }
    EXPECT_LE(grid.minor.size(), 120u);

    // A major label that would sit on the top label gives way; its line stays.
    const Grid close = gridOf(0, 101, 10, 0, 140);
    EXPECT_TRUE(close.labelled.count(101));
    EXPECT_FALSE(close.labelled.count(100));
    EXPECT_TRUE(close.unlabelledMajor.count(100));
}

// The chart's scale starts at 0 and ends at the largest day rounded up: any month's figures.
TEST(ChartGeometry, ValueRangesStayPositiveAndFinite) {
    const std::pair<double, double> cases[] = {{100, 100},
                                               {0.4, 1},
                                               {2.5, 2}, // half to even
                                               {1e19, 0},
                                               {std::nan(""), 0}};
    for (const auto& [maxY, units] : cases) {
        const ValueRange range = ChartGeometry::computeValueRange(0, maxY);
        if (units > 0) {
            EXPECT_DOUBLE_EQ(range.units, units) << maxY;
        }
        EXPECT_GE(range.units, 1) << maxY;
        EXPECT_LE(range.units, 2e15) << maxY;
    }
}
