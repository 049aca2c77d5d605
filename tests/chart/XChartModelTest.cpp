#include "chart/XChartModel.h"

#include "ChartTestItems.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using ChartTestItems::fill;
using ChartTestItems::item;

TEST(XChartModel, WritesRedrawOnlyWhenTheirRuleSaysSo) {
    XChartModel model;
    fill(model, {5});
    QSignalSpy draws(&model, &XChartModel::drawRequested);
    model.setBarColor(model.properties().BarColor); // unchanged: no drawing
    model.setSelectedBarColor(0x123456);            // stored only
    model.setDataFormat(QStringLiteral("0.00"));    // stored only
    EXPECT_EQ(draws.count(), 0);
    model.setBarColor(0x0000FF);
    model.setMarginTop(model.MarginTop()); // margins always redraw
    EXPECT_EQ(draws.count(), 2);
    EXPECT_TRUE(model.propertiesChanged());

    model.setMaxY(-1); // not above MinY: ignored
    model.setMinY(100);
    EXPECT_EQ(draws.count(), 2);
    EXPECT_EQ(model.properties().MaxY, 100);
    EXPECT_EQ(model.properties().MinY, 0);
}

TEST(XChartModel, AutoRedrawOffDrawsNothingAndKeepsTheLayout) {
    XChartModel model;
    fill(model, {10, 20});
    const double top = model.layout().ItemBounds[1].top;
    model.setAutoRedraw(false);
    QSignalSpy draws(&model, &XChartModel::drawRequested);
    model.setMaxY(50);
    model.Refresh();
    EXPECT_EQ(draws.count(), 0);
    EXPECT_DOUBLE_EQ(model.layout().ItemBounds[1].top, top);
    model.setAutoRedraw(true);
    EXPECT_EQ(draws.count(), 1);
    EXPECT_LT(model.layout().ItemBounds[1].top, top);
}

class HitTesting : public ::testing::Test {
protected:
    void SetUp() override {
        model.setSelectable(true);
        model.setMeanOn(true);
        fill(model, {40, 80, 20}); // 4 items with the mean (46.67)
    }
    // Middle of item i's slot, at `value` on the Y axis.
    QPointF at(int index, double value) const {
        const QRectF slot = model.geometry().slotRect(index);
        return {slot.center().x(), model.geometry().valueY(value)};
    }
    void click(QPointF point) { model.selectAt(point.x(), point.y()); }

    XChartModel model;
};

TEST_F(HitTesting, SlotsDecideXAndTheDrawnShapeDecidesY) {
    EXPECT_EQ(model.HitTestColumn(at(1, 70).x(), at(1, 70).y()), 1);
    EXPECT_EQ(model.HitTestColumn(at(0, 50).x(), at(0, 50).y()), -1); // above the bar
    const ChartGeometry geometry = model.geometry();
    EXPECT_EQ(model.HitTestColumn(geometry.plotLeft() - 30, at(0, 10).y()), -1);
    EXPECT_EQ(model.HitTestColumn(geometry.plotRight() + 30, at(0, 10).y()), -1);
    model.setChartType(ChartTypeBits::Line); // no shapes: nothing to hit
    EXPECT_EQ(model.HitTestColumn(at(1, 70).x(), at(1, 70).y()), -1);
}

// Clicks and writes of SelectedColumn alike.
TEST_F(HitTesting, ClicksRaiseItemClickOncePerNewOrdinaryItem) {
    QSignalSpy clicks(&model, &XChartModel::ItemClick);
    click(at(1, 10));
    click(at(1, 20));
    model.setSelectedColumn(1);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].value<ChartItemRef>(), model.item(1));
    click(at(3, 10)); // the mean item: selected but not reported
    EXPECT_EQ(model.SelectedColumn(), 3);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(model.itemFillColor(3), model.properties().SelectedBarColor);

    model.setSelectable(false);
    click(at(0, 10));
    EXPECT_EQ(model.SelectedColumn(), 3);
    EXPECT_EQ(clicks.count(), 1);
    model.setSelectedColumn(9); // names no item
    EXPECT_EQ(model.SelectedColumn(), -1);
}

TEST_F(HitTesting, AClickDuringAClickIsIgnored) {
    int reported = 0;
    QObject::connect(&model, &XChartModel::ItemClick, &model, [&](const ChartItemRef&) {
        ++reported;
        click(at(2, 10)); // e.g. a handler that lets events run
    });
    click(at(0, 10));
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(model.SelectedColumn(), 0);
}

TEST_F(HitTesting, ClearForgetsTheLastSelection) {
    click(at(1, 10));
    model.Clear();
    fill(model, {40, 80, 20});
    QSignalSpy clicks(&model, &XChartModel::ItemClick);
    click(at(1, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(XChartModel, SelectionInformationTextUsesLabelsFormatAndMean) {
    XChartModel model;
    model.setMeanOn(true);
    model.setSelectionInformation(true);
    model.setInfoItems(QStringLiteral("Usage|Day|Average"));
    model.setDataFormat(QStringLiteral("0.00"));
    fill(model, {12.5, 7.5});
    model.item(0)->SelectedDescription = QStringLiteral("1");
    EXPECT_EQ(model.BuildInfoText(0), "Usage: 12.50\r\nDay: 1\r\nAverage: 10.00");
    EXPECT_EQ(model.BuildInfoText(2), "Usage: 10.00\r\nDay: Mean");
    EXPECT_EQ(model.BuildInfoText(-1), "");
    model.setSelectionInformation(false);
    EXPECT_EQ(model.BuildInfoText(0), "");
}

TEST(XChartModel, LegendSwatchesFollowTheFillColours) {
    XChartModel model;
    model.setColorBars(true);
    model.setSelectable(true);
    std::initializer_list<double> twenty = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
                                            1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    fill(model, twenty);
    model.setSelectedColumn(2);
    const auto& legend = model.legendEntries();
    ASSERT_EQ(legend.size(), 20u);
    EXPECT_EQ(legend[2].swatchColor, model.properties().SelectedBarColor);
    for (const int i : {0, 14, 15, 19}) {
        EXPECT_EQ(legend[static_cast<std::size_t>(i)].swatchColor,
                  XChartModel::paletteColor(i % 15))
            << i;
    }
    model.setChartType(ChartTypeBits::Line);
    EXPECT_EQ(model.legendEntries()[0].swatchColor, model.properties().LineColor);
}
