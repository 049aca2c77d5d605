#include "chart/XChartModel.h"

#include "ChartTestItems.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using ChartTestItems::fill;

namespace {

class HitTesting : public ::testing::Test {
protected:
    void SetUp() override {
        model.setSelectable(true);
        fill(model, {40, 80, 20});
    }
    // Middle of item i's slot, at `value` on the Y axis.
    QPointF at(int index, double value) const {
        const QRectF slot = model.geometry().slotRect(index);
        return {slot.center().x(), model.geometry().valueY(value)};
    }
    void click(QPointF point) { model.selectAt(point.x(), point.y()); }

    XChartModel model;
};

} // namespace

TEST_F(HitTesting, SlotsDecideXAndTheDrawnShapeDecidesY) {
    EXPECT_EQ(model.HitTestColumn(at(1, 70).x(), at(1, 70).y()), 1);
    EXPECT_EQ(model.HitTestColumn(at(0, 50).x(), at(0, 50).y()), -1); // above the bar
    const ChartGeometry geometry = model.geometry();
    EXPECT_EQ(model.HitTestColumn(geometry.plotLeft() - 30, at(0, 10).y()), -1);
    EXPECT_EQ(model.HitTestColumn(geometry.plotRight() + 30, at(0, 10).y()), -1);
}

// (A second click on the selected bar is the widget tests' work.) After Clear the same item
// is a new one; the legend shows which is selected.
TEST_F(HitTesting, ClearForgetsTheSelectionAndTheLegendShowsIt) {
    QSignalSpy clicks(&model, &XChartModel::ItemClick);
    click(at(1, 10));
    EXPECT_EQ(model.legendEntries()[1].swatchColor, model.properties().SelectedBarColor);
    EXPECT_EQ(model.legendEntries()[0].swatchColor, model.properties().BarColor);
    model.Clear();
    fill(model, {40, 80, 20});
    click(at(1, 10));
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[1][0].value<ChartItemRef>(), model.item(1));
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

TEST(XChartModel, SelectionInformationTextUsesTheDefaultLabels) {
    XChartModel model;
    model.setSelectionInformation(true);
    fill(model, {12.5, 7.5});
    model.item(0)->SelectedDescription = QStringLiteral("1");
    EXPECT_EQ(model.BuildInfoText(0), "Value: 12.5\r\nDescription: 1");
    EXPECT_EQ(model.BuildInfoText(-1), "");
    model.setSelectionInformation(false);
    EXPECT_EQ(model.BuildInfoText(0), "");
}
