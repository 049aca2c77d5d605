#include "RecordingSurface.h"
#include "chart/StackedChartData.h"
#include "chart/StackedChartGeometry.h"
#include "chart/StackedChartRenderer.h"

#include <gtest/gtest.h>

namespace {

// Three days and the average, as the report writes them on the night-unlimited plan.
const QString kChartText = QStringLiteral("\t01\t02\t03\tAvg\r\n"
                                          "NonFree\t30.00\t0.00\t12.50\t14.17\r\n"
                                          "Free\t10.00\t5.00\t0.00\t5");

StackedChartData sample() {
    StackedChartData data = StackedChartData::parse(kChartText);
    StackedChartColors::apply(data, {false, false, true, 0x000000FFu, 0x0000FF00u});
    return data;
}

} // namespace

TEST(StackedChartData, ReadsDaysSeriesValuesAndTheirTexts) {
    const StackedChartData data = sample();
    EXPECT_EQ(data.categories, QStringList({"01", "02", "03", "Avg"}));
    ASSERT_EQ(data.series.size(), 2u);
    EXPECT_EQ(data.series[0].name, "NonFree");
    EXPECT_EQ(data.series[0].values, (std::vector<double>{30, 0, 12.5, 14.17}));
    EXPECT_EQ(data.series[1].texts, QStringList({"10.00", "5.00", "0.00", "5"}));
    EXPECT_DOUBLE_EQ(data.largestStack(), 40);
    // a short or garbled line counts as 0 where it says nothing readable
    const StackedChartData odd = StackedChartData::parse("\t01\t02\r\nNonFree\tx");
    EXPECT_EQ(odd.series[0].values, (std::vector<double>{0, 0}));
    EXPECT_EQ(odd.series[0].texts, QStringList({"x", ""}));
    EXPECT_TRUE(StackedChartData::parse("").categories.isEmpty());
}

TEST(StackedChartColors, TheUsersColoursGoWhereTheOptionsAllowThem) {
    const std::uint32_t nf = 0x000000FF, f = 0x0000FF00;
    const std::uint32_t first = StackedChartColors::defaultColor(0);
    const std::uint32_t second = StackedChartColors::defaultColor(1);
    const QString freeOnly = QStringLiteral("\t01\r\nFree\t1");
    const struct {
        QString text;
        bool excludeNonFree, excludeFree, nightPlan;
        std::vector<std::uint32_t> colours;
    } cases[] = {
        {kChartText, false, false, true, {nf, f}},
        {kChartText, false, false, false, {nf, second}}, // Free keeps its default off the plan
        {freeOnly, true, false, true, {f}}, // excluded non-free leaves the first series alone
        {kChartText, false, true, true, {nf, second}}, // excluded Free takes no colour
        // the non-free rule names a series the text lacks: colouring stops there
        {freeOnly, false, false, true, {first}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        StackedChartData data = StackedChartData::parse(c.text);
        StackedChartColors::apply(data, {c.excludeNonFree, c.excludeFree, c.nightPlan, nf, f});
        std::vector<std::uint32_t> colours;
        for (const StackedSeries& series : data.series) {
            colours.push_back(series.color);
        }
        EXPECT_EQ(colours, c.colours) << "case " << i;
    }
}

TEST(StackedChartGeometry, NiceStepsForTheValueAxis) {
    const std::pair<double, double> cases[] = {{0, 2},      {4, 1},     {40, 10}, {128, 50},
                                               {1280, 500}, {0.3, 0.1}, {7, 2}};
    for (const auto& [largest, step] : cases) {
        EXPECT_DOUBLE_EQ(StackedChartGeometry::niceStep(largest), step) << largest;
    }
}

TEST(StackedChartGeometry, ColumnsStackFromTheBottomWithinTheirSlots) {
    const StackedChartData data = sample();
    RecordingSurface surface(9000, 6000);
    const StackedChartGeometry geometry(data, {QStringLiteral("Title")}, surface);
    EXPECT_DOUBLE_EQ(geometry.axisMax(), 40);
    EXPECT_EQ(geometry.ticks(), (std::vector<double>{0, 10, 20, 30, 40}));
    const QRectF plot = geometry.plotRect();
    EXPECT_GT(plot.top(), geometry.titleRect().bottom());
    const QRectF nonFree = geometry.segmentRect(0, 0);
    const QRectF free = geometry.segmentRect(0, 1);
    EXPECT_DOUBLE_EQ(nonFree.bottom(), plot.bottom());
    EXPECT_DOUBLE_EQ(free.bottom(), nonFree.top());
    EXPECT_NEAR(nonFree.height(), plot.height() * 30 / 40, 1e-9);
    EXPECT_NEAR(free.height(), plot.height() * 10 / 40, 1e-9);
    EXPECT_DOUBLE_EQ(free.top(), plot.top()); // the tallest stack reaches the axis maximum
    const QRectF slot = geometry.slotRect(0);
    EXPECT_NEAR(nonFree.width(), slot.width() * 0.6, 1e-9);
    EXPECT_NEAR(nonFree.center().x(), slot.center().x(), 1e-9);
    EXPECT_TRUE(geometry.segmentRect(1, 0).isEmpty()); // nothing non-free on day 2
    EXPECT_DOUBLE_EQ(geometry.segmentRect(1, 1).bottom(), plot.bottom());
    EXPECT_EQ(geometry.hitTest(geometry.slotRect(2).center()), 2);
    EXPECT_EQ(geometry.hitTest(QPointF(10, 10)), -1);
}

TEST(StackedChartGeometry, TheDataTableTakesThePlaceOfTheDayLabels) {
    const StackedChartData data = sample();
    RecordingSurface surface(9000, 6000);
    StackedChartStyle style{QStringLiteral("Title")};
    const StackedChartGeometry plain(data, style, surface);
    style.showDataTable = true;
    const StackedChartGeometry table(data, style, surface);
    EXPECT_LT(table.plotRect().bottom(), plain.plotRect().bottom());
    // three rows (days, NonFree, Free) fill the space under the plot down to the margin
    EXPECT_NEAR(table.tableCell(2, 0).bottom(), 6000 - StackedChartGeometry::Margin, 1e-9);
    for (int column = 0; column < 4; ++column) {
        EXPECT_DOUBLE_EQ(table.tableCell(1, column).left(), table.slotRect(column).left());
    }
    EXPECT_DOUBLE_EQ(table.tableCell(1, -1).right(), table.plotRect().left());
    EXPECT_TRUE(table.tableCell(1, -1).contains(table.legendKey(0)));
    EXPECT_DOUBLE_EQ(table.tablePoints(), 9); // wide columns: the table keeps its size
    // a month of narrow columns shrinks the table's font so "100.00" fits its cell
    QString month;
    for (int day = 1; day <= 31; ++day) {
        month += QStringLiteral("\t%1").arg(day);
    }
    const auto wide =
        StackedChartData::parse(month + "\r\nNonFree" + QString("\t100.00").repeated(31));
    RecordingSurface monthWide(13500, 7500); // the command line's 900 by 500 pixels
    const StackedChartGeometry narrow(wide, style, monthWide);
    EXPECT_LT(narrow.tablePoints(), 9);
    surface.setFontSize(narrow.tablePoints());
    EXPECT_LE(surface.TextWidth("100.00"), narrow.slotRect(0).width());
}

TEST(StackedChartRenderer, DrawsEveryFilledSegmentTheTitleAndTheTable) {
    const StackedChartData data = sample();
    RecordingSurface surface(9000, 6000);
    StackedChartStyle style{QStringLiteral("Netravo Usage Chart for 2007-03")};
    StackedChartRenderer(data, style, surface).draw();
    EXPECT_EQ(surface.texts("Netravo Usage Chart for 2007-03").size(), 1u);
    const auto boxes = surface.operations(RecordingSurface::Kind::Box);
    ASSERT_EQ(boxes.size(), 6u); // eight segments, two of them empty
    EXPECT_EQ(boxes[0].fillColor, 0x000000FFu);
    EXPECT_EQ(boxes[1].fillColor, 0x0000FF00u);
    EXPECT_EQ(surface.texts("Avg").size(), 1u);
    EXPECT_TRUE(surface.texts("14.17").empty()); // values only in the table

    surface.reset();
    style.showDataTable = true;
    StackedChartRenderer(data, style, surface).draw();
    EXPECT_EQ(surface.texts("14.17").size(), 1u);
    EXPECT_EQ(surface.texts("NonFree").size(), 1u);
    // six segments, two legend keys, four day cells and two rows of a header and four values
    EXPECT_EQ(surface.operations(RecordingSurface::Kind::Box).size(), 6u + 2u + 4u + 2u * 5u);
}
