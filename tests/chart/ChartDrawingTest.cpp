#include "ChartTestItems.h"
#include "RecordingSurface.h"
#include "chart/ChartRenderer.h"
#include "chart/RotatedText.h"

#include <gtest/gtest.h>

using Kind = RecordingSurface::Kind;

namespace {

// Draws a 900 x 500 px chart (15 twips per pixel) onto a recording surface.
class Drawing : public ::testing::Test {
protected:
    void draw() {
        surface.reset();
        ChartRenderer(model, surface).draw();
    }
    std::vector<RecordingSurface::Operation> bars() const {
        std::vector<RecordingSurface::Operation> found;
        for (const auto& op : surface.operations(Kind::Box)) {
            if (op.fillStyle != 1) { // the plot frame is drawn without fill
                found.push_back(op);
            }
        }
        return found;
    }

    XChartModel model;
    RecordingSurface surface{900 * 15, 500 * 15};
};

} // namespace

TEST_F(Drawing, PaintsBackgroundTitleGridFrameShapesAndCaptionsInOrder) {
    model.setAxisLabelX(QStringLiteral("Days"));
    model.setAxisLabelY(QStringLiteral("Megabytes"));
    ChartTestItems::fill(model, {10, 55});
    draw();
    const auto& ops = surface.operations();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front().kind, Kind::Clear);
    EXPECT_EQ(ops.front().color, model.properties().BackColor);
    const auto title = surface.texts(QStringLiteral("XChart"));
    ASSERT_EQ(title.size(), 1u);
    EXPECT_TRUE(title[0].bold);
    EXPECT_DOUBLE_EQ((title[0].from.x() + title[0].to.x()) / 2, 450 * 15); // centred

    // Y numbers sit 5 px left of the plot, centred on their lines.
    const auto hundred = surface.texts(QStringLiteral("100"));
    ASSERT_EQ(hundred.size(), 1u);
    EXPECT_DOUBLE_EQ(hundred[0].to.x(), 55 * 15 - 5 * 15);
    EXPECT_DOUBLE_EQ((hundred[0].from.y() + hundred[0].to.y()) / 2, 50 * 15);

    const auto frame = surface.operations(Kind::Box).front();
    EXPECT_EQ(frame.fillStyle, 1);
    EXPECT_EQ(frame.from, QPointF(55 * 15, 50 * 15));
    EXPECT_EQ(frame.to, QPointF(845 * 15, 445 * 15));

    const auto yCaption = surface.texts(QStringLiteral("Megabytes"));
    ASSERT_EQ(yCaption.size(), 1u);
    EXPECT_EQ(yCaption[0].angle, 90);
    EXPECT_EQ(surface.texts(QStringLiteral("Days")).size(), 1u);
}

TEST_F(Drawing, BarsFillTheirSlotsAndUseTheirColours) {
    model.setBarShadow(false);
    model.setSelectable(true);
    model.setBarWidthPercentage(50);
    ChartTestItems::fill(model, {20, 50, 80});
    model.setSelectedColumn(1);
    draw();
    const auto drawn = bars();
    ASSERT_EQ(drawn.size(), 3u);
    const double unit = 790.0 * 15 / 3;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const QRectF shape = model.geometry().shapeRect(static_cast<int>(i), 50);
        EXPECT_DOUBLE_EQ(drawn[i].from.x(), shape.left());
        EXPECT_DOUBLE_EQ(drawn[i].to.x(), shape.right() - 15);
        EXPECT_NEAR(shape.width(), unit / 2 - 30, 1e-9);
        EXPECT_NEAR(shape.center().x(), model.geometry().slotRect(static_cast<int>(i)).center().x(),
                    1e-9);
        EXPECT_EQ(drawn[i].color, model.properties().BarColor);
        EXPECT_EQ(drawn[i].fillStyle, model.properties().BarFillStyle);
    }
    EXPECT_DOUBLE_EQ(drawn[2].from.y(), model.geometry().valueY(80));
    EXPECT_DOUBLE_EQ(drawn[2].to.y(), 445 * 15);
    EXPECT_EQ(drawn[0].fillColor, model.properties().BarColor);
    EXPECT_EQ(drawn[1].fillColor, model.properties().SelectedBarColor);
}

TEST_F(Drawing, AllowanceLineOnlyWhenSwitchedOnWithAValueInRange) {
    ChartTestItems::fill(model, {10, 55});
    const auto levels = [this] {
        draw();
        auto lines = surface.operations(Kind::Line);
        std::erase_if(
            lines, [this](const auto& l) { return l.color != model.properties().AllowanceColor; });
        return lines;
    };
    model.setAllowanceOn(true); // no value yet: no line, no legend entry
    EXPECT_TRUE(levels().empty());
    EXPECT_EQ(model.legendEntries().size(), 2u);
    model.setAllowanceValue(33.03);
    const auto drawn = levels();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].from, QPointF(57 * 15, model.geometry().valueY(33.03)));
    EXPECT_EQ(drawn[0].to, QPointF(845 * 15, model.geometry().valueY(33.03)));
    ASSERT_EQ(model.legendEntries().size(), 3u);
    EXPECT_EQ(model.legendEntries()[2].swatchColor, model.properties().AllowanceColor);
    model.setAllowanceValue(150); // above MaxY: it would cross the title
    EXPECT_TRUE(levels().empty());
    model.setAllowanceValue(33.03);
    model.setAllowanceOn(false);
    EXPECT_TRUE(levels().empty());
    EXPECT_EQ(model.legendEntries().size(), 2u);
}

TEST_F(Drawing, ItemLabelsLieFlatWhenTheyFitAndStandUpWhenTheyDoNot) {
    ChartTestItems::fill(model, {1, 2});
    draw();
    const auto flat = surface.texts(QStringLiteral("1"));
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_EQ(flat[0].angle, 0);

    // 31 days' labels in 200 px do not fit side by side.
    XChartModel narrow;
    RecordingSurface small(300 * 15, 300 * 15);
    ChartTestItems::fill(narrow, {}, 300, 300);
    for (int day = 1; day <= 31; ++day) {
        narrow.AddItem(ChartTestItems::item(day, QString::number(day)));
    }
    narrow.DrawChart();
    ChartRenderer(narrow, small).draw();
    const auto upright = small.texts(QStringLiteral("31"));
    ASSERT_EQ(upright.size(), 1u);
    EXPECT_EQ(upright[0].angle, 90);
}

TEST_F(Drawing, ClearedChartKeepsTitleGridAndFrameAndAutoRedrawOffPaintsNothing) {
    ChartTestItems::fill(model, {1, 2});
    model.Clear();
    draw();
    EXPECT_EQ(surface.texts(QStringLiteral("XChart")).size(), 1u);
    EXPECT_EQ(surface.operations(Kind::Box).size(), 1u); // the frame only
    EXPECT_FALSE(surface.operations(Kind::Line).empty());

    ChartTestItems::fill(model, {1});
    model.setAutoRedraw(false);
    draw();
    EXPECT_TRUE(surface.operations().empty());
}

TEST(RotatedText, CentresTheTextOnThePoint) {
    RecordingSurface surface(1000, 1000); // 8 pt: 6 px per character, 12 px per line
    ASSERT_TRUE(basTextRot::DrawRotatedText(surface, QStringLiteral("Avg"), 50, 40, 0));
    EXPECT_EQ(surface.operations().back().from, QPointF(41, 34));
    ASSERT_TRUE(basTextRot::DrawRotatedText(surface, QStringLiteral("Avg"), 50, 40, 90));
    // The unrotated top-left corner turns to the lower left: the text reads upwards.
    EXPECT_EQ(surface.operations().back().from, QPointF(44, 49));
    EXPECT_TRUE(basTextRot::DrawRotatedText(surface, QString(), 50, 40, 0));
    EXPECT_EQ(surface.operations().back().from, QPointF(50, 34));
}
