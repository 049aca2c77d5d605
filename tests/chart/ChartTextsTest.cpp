#include "chart/ChartPrintLayout.h"
#include "chart/LegendLayout.h"

#include <gtest/gtest.h>

TEST(LegendLayout, LongTextsEndInTwoDotsAndFit) {
    auto width = [](const QString& text) { return 6.0 * static_cast<double>(text.size()); };
    EXPECT_EQ(LegendLayout::fitText(QStringLiteral("short"), 60, width), "short");
    const QString fitted = LegendLayout::fitText(
        QStringLiteral("Total:95.5 MB (NF:80.25 MB  + F:15.25 MB)"), 60, width);
    EXPECT_EQ(fitted, "Total:95..");
    EXPECT_LE(width(fitted), 60);
    EXPECT_EQ(LegendLayout::fitText(QStringLiteral("abc"), 5, width), "..");
}

TEST(LegendLayout, EntriesStackAndScrollIntoView) {
    EXPECT_EQ(LegendLayout::swatchRect(2).top(), 10 + 2 * 23);
    EXPECT_EQ(LegendLayout::entryAt(QPoint(30, 10 + 23 + 5), 5, 140), 1);
    EXPECT_EQ(LegendLayout::entryAt(QPoint(30, 10 + 23 + 15), 5, 140), -1); // in the gap
    EXPECT_EQ(LegendLayout::scrollForSelection(3, 230, 500), 0);            // 9 entries fit
    const int offset = LegendLayout::scrollForSelection(20, 230, 500);
    EXPECT_GE(LegendLayout::swatchRect(20).top() - offset, 0);
    EXPECT_LE(LegendLayout::swatchRect(20).bottom() - offset, 230);
    EXPECT_EQ(LegendLayout::scrollForSelection(30, 230, 100), 100);
}

// The chart is printed centred at its own size, shrunk only to fit the page.
TEST(ChartPrintLayout, PicturesKeepTheirSizeUnlessTooLarge) {
    const QSizeF page(1000, 800);
    EXPECT_EQ(ChartPrintLayout::printedSize(0, page, QSizeF(600, 300)), QSizeF(600, 300));
    EXPECT_EQ(ChartPrintLayout::origin(0, page, QSizeF(600, 300)), QPointF(200, 250));
    EXPECT_EQ(ChartPrintLayout::printedSize(0, page, QSizeF(2000, 800)), QSizeF(1000, 400));
}
