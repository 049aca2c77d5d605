#include "chart/ChartPersistence.h"

#include "ChartTestItems.h"
#include "platform/PropertyBag.h"

#include <gtest/gtest.h>

TEST(ChartPersistence, ADesignRoundTripsEveryProperty) {
    XChartModel original;
    original.setTwipsPerPixel(15, 15);
    original.setMarginLeft(40);
    original.setMarginRight(70);
    original.setChartTitle(QStringLiteral("Usage"));
    original.setAxisXOn(false);
    original.setMinY(-20);
    original.setMaxY(250.5);
    original.setBarColor(0x123456);
    original.setMenuItems(QStringLiteral("|&Print it"));
    original.setCustomMenuItems(QStringLiteral("One|Two"));
    original.setLineStyle(2);
    original.setBarSymbol(QStringLiteral("#"));
    original.setMeanOn(true);
    original.setPrinterFit(3);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    original.setPicture(picture);

    PropertyBag bag;
    ChartPersistence::WriteProperties(original, bag);
    EXPECT_EQ(bag.size(), 65); // every key but the unset bar picture
    EXPECT_EQ(bag.keys().first(), "uTopMargin");
    EXPECT_EQ(bag.keys().last(), "LegendPrintMode");
    EXPECT_TRUE(bag.contains(QStringLiteral("Picture")));
    EXPECT_FALSE(bag.contains(QStringLiteral("BarPicture")));
    EXPECT_FLOAT_EQ(bag.read(QStringLiteral("uLeftMargin")).toFloat(), 600);

    // what loads back is written again key for key, the picture and the margins included
    XChartModel loaded;
    ChartPersistence::ReadProperties(loaded, bag);
    PropertyBag again;
    ChartPersistence::WriteProperties(loaded, again);
    ASSERT_EQ(again.keys(), bag.keys());
    for (const QString& key : bag.keys()) {
        EXPECT_EQ(again.read(key), bag.read(key)) << key.toStdString();
    }
    EXPECT_EQ(loaded.properties().Picture.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(loaded.MarginLeft(), 40);
    EXPECT_EQ(loaded.LastSelectedColumn(), -1);
}

TEST(ChartPersistence, MissingKeysTakeTheOlderDesignsDefaults) {
    XChartModel chart;
    chart.setChartSubTitle(QStringLiteral("kept"));
    PropertyBag bag;
    bag.write(QStringLiteral("uaxisxon"), false);
    bag.write(QStringLiteral("uAxisYOn"), true);
    bag.write(QStringLiteral("uYAxisLabel"), QStringLiteral("Megabytes"));
    ChartPersistence::ReadProperties(chart, bag);
    const ChartProperties& p = chart.properties();
    EXPECT_FALSE(p.AxisXOn);
    EXPECT_TRUE(p.AxisYOn);
    EXPECT_EQ(p.AxisLabelY, "Megabytes");
    EXPECT_EQ(p.ChartSubTitle, "kept"); // read default: the current value
    EXPECT_EQ(p.ChartType, 0);          // no default: empty
    EXPECT_EQ(chart.SelectedColumn(), -1);
}
