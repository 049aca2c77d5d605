#include "chart/ChartMenus.h"
#include "chart/ChartPrintLayout.h"
#include "chart/LegendLayout.h"
#include "chart/ValueFormat.h"

#include <gtest/gtest.h>

TEST(ChartMenus, CustomEntriesAreTrimmedNonBlankPartsUpToEight) {
    const QStringList entries =
        ChartMenus::BuildCustomMenuItems(QStringLiteral(" a |b|   |c|d|e|f|g|h|i"));
    EXPECT_EQ(entries, (QStringList{"a", "b", "c", "d", "e", "f", "g", "h"}));
    EXPECT_TRUE(ChartMenus::BuildCustomMenuItems(QStringLiteral("  ")).isEmpty());
}

TEST(ValueFormat, FollowsThePattern) {
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {{12.5, "0.00", "12.50"},
                 {12.5, "", "12.5"},
                 {2.675, "0.00", "2.68"},
                 {1234567.891, "#,##0.0", "1,234,567.9"},
                 {0.5, "#.##", ".5"},
                 {7, "000", "007"},
                 {-3.14159, "0.0 MB", "-3.1 MB"},
                 {-0.001, "0.00", "0.00"},
                 {0.256, "Percent", "25.60%"},
                 {1500, "Standard", "1,500.00"},
                 {3, "#", "3"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ValueFormat::format(c.value, QString::fromLatin1(c.pattern)),
                  QString::fromLatin1(c.expected))
            << c.pattern;
    }
}

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

TEST(ChartPrintLayout, PrinterFitPlacesThePicture) {
    const QSizeF page(1000, 800);
    const QSizeF picture(600, 300);
    const std::pair<int, QPointF> cases[] = {{0, {200, 250}}, {2, {0, 0}},     {3, {400, 0}},
                                             {4, {0, 500}},   {5, {400, 500}}, {9, {0, 0}}};
    for (const auto& [fit, origin] : cases) {
        EXPECT_EQ(ChartPrintLayout::origin(fit, page, picture), origin) << fit;
    }
}

TEST(ChartPrintLayout, PicturesKeepTheirSizeUnlessStretchedOrTooLarge) {
    const QSizeF page(1000, 800);
    EXPECT_EQ(ChartPrintLayout::printedSize(0, page, QSizeF(600, 300)), QSizeF(600, 300));
    EXPECT_EQ(ChartPrintLayout::printedSize(1, page, QSizeF(600, 300)), page);
    EXPECT_EQ(ChartPrintLayout::printedSize(5, page, QSizeF(2000, 800)), QSizeF(1000, 400));
}
