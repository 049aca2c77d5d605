#include "chart/ChartFeed.h"

#include "chart/XChartModel.h"
#include "support/FailureOf.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

ChartFeedInput input(const QString& data) {
    return ChartFeedInput{data, QStringLiteral("2007-03"), ColorValue::rgb(10, 200, 25)};
}

} // namespace

TEST(ChartFeed, BuildsOneBarPerDayAndTheAverageWithSplitLegends) {
    XChartModel chart;
    bool upToDate = false;
    QString tip = QStringLiteral("old");
    const QString data = QStringLiteral("\t01\t02\tAvg\r\n"
                                        "NonFree\t3.25\t10.00\t6.63\r\n"
                                        "Free\t2.25\t0.00\t1.13");
    ChartFeed::UpdateGraphControl(chart, input(data), upToDate,
                                  [&tip](const QString& t) { tip = t; });
    EXPECT_TRUE(upToDate);
    EXPECT_EQ(tip, "");
    ASSERT_EQ(chart.itemCount(), 3);
    const ChartItemRef first = chart.item(0);
    EXPECT_EQ(first->ItemID, "1");
    EXPECT_EQ(first->SelectedDescription, "1");
    EXPECT_EQ(first->XAxisDescription, "01");
    EXPECT_EQ(first->LegendDescription, "Total:5.5 MB (NF:3.25 MB  + F:2.25 MB)");
    EXPECT_DOUBLE_EQ(first->Value, 5.5);
    EXPECT_EQ(chart.item(2)->XAxisDescription, "Avg");
    EXPECT_EQ(chart.item(1)->LegendDescription, "Total:10 MB (NF:10.00 MB  + F:0.00 MB)");

    const ChartProperties& p = chart.properties();
    EXPECT_EQ(p.ChartTitle, "Netravo Usage Chart for 2007-03");
    EXPECT_EQ(p.MaxY, 20);
    EXPECT_EQ(p.BarColor, ColorValue::rgb(10, 200, 25));
    EXPECT_EQ(p.SelectedBarColor, ColorValue::rgb(40, 170, 55));

    // Up to date: nothing is rebuilt.
    QSignalSpy draws(&chart, &XChartModel::drawRequested);
    ChartFeed::UpdateGraphControl(chart, input(QString()), upToDate);
    EXPECT_EQ(chart.itemCount(), 3);
    EXPECT_EQ(draws.count(), 0);
}

TEST(ChartFeed, MaxYLeavesRoomAboveTheHighestBar) {
    const std::pair<double, double> cases[] = {
        {0, 10}, {95.3, 100}, {99.6, 110}, {100.4, 110}, {109.5, 120}, {0.5, 10}, {1234.56, 1240}};
    for (const auto& [max, expected] : cases) {
        XChartModel chart;
        bool upToDate = false;
        const QString data = QStringLiteral("\t01\r\nNonFree\t") + QString::number(max, 'f', 2);
        ChartFeed::UpdateGraphControl(chart, input(data), upToDate);
        EXPECT_EQ(chart.properties().MaxY, expected) << max;
    }
}

TEST(ChartFeed, TheScaleReachesTheAllowanceLineOnlyWhileItIsShown) {
    for (const bool shown : {false, true}) {
        XChartModel chart;
        chart.setAllowanceOn(shown);
        bool upToDate = false;
        ChartFeedInput fed = input(QStringLiteral("\t01\r\nNonFree\t10.00"));
        fed.dailyAllowanceMB = 1024.0 / 31;
        ChartFeed::UpdateGraphControl(chart, fed, upToDate);
        EXPECT_EQ(chart.properties().MaxY, shown ? 40 : 20);
        EXPECT_EQ(chart.properties().AllowanceCaption, "Daily allowance: 33.03 MB");
    }
}

TEST(ChartFeed, MalformedTextStopsWithTheItemsSoFarAndAReason) {
    XChartModel chart;
    bool upToDate = false;
    const auto feed = [&](const char* data) {
        return failureOf([&] { ChartFeed::UpdateGraphControl(chart, input(data), upToDate); });
    };
    EXPECT_EQ(feed("\t01\t02\t03\r\nNonFree\t1.00\tn/a\t2.00"),
              "Chart data line 1, column 2: \"n/a\" is not a number");
    EXPECT_FALSE(upToDate);
    EXPECT_EQ(chart.itemCount(), 1);
    EXPECT_TRUE(chart.properties().AutoRedraw);
    EXPECT_EQ(feed("\t01\t02\r\nNonFree\t1.00"), "Chart data line 1 has no value for column 2");
}
