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

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class ValueFormatting : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ValueFormatting, FollowsThePattern) {
    EXPECT_EQ(ValueFormat::format(GetParam().value, QString::fromLatin1(GetParam().pattern)),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, ValueFormatting,
    ::testing::Values(FormatCase{12.5, "0.00", "12.50"}, FormatCase{12.5, "", "12.5"},
                      FormatCase{2.675, "0.00", "2.68"},
                      FormatCase{1234567.891, "#,##0.0", "1,234,567.9"},
                      FormatCase{0.5, "#.##", ".5"}, FormatCase{7, "000", "007"},
                      FormatCase{-3.14159, "0.0 MB", "-3.1 MB"}, FormatCase{-0.001, "0.00", "0.00"},
                      FormatCase{0.256, "Percent", "25.60%"},
                      FormatCase{1500, "Standard", "1,500.00"}, FormatCase{3, "#", "3"}));

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
    EXPECT_EQ(ChartPrintLayout::origin(0, page, picture), QPointF(200, 250));
    EXPECT_EQ(ChartPrintLayout::origin(2, page, picture), QPointF(0, 0));
    EXPECT_EQ(ChartPrintLayout::origin(3, page, picture), QPointF(400, 0));
    EXPECT_EQ(ChartPrintLayout::origin(4, page, picture), QPointF(0, 500));
    EXPECT_EQ(ChartPrintLayout::origin(5, page, picture), QPointF(400, 500));
    EXPECT_EQ(ChartPrintLayout::origin(9, page, picture), QPointF(0, 0));
}

TEST(ChartPrintLayout, PicturesKeepTheirSizeUnlessStretchedOrTooLarge) {
    const QSizeF page(1000, 800);
    EXPECT_EQ(ChartPrintLayout::printedSize(0, page, QSizeF(600, 300)), QSizeF(600, 300));
    EXPECT_EQ(ChartPrintLayout::printedSize(1, page, QSizeF(600, 300)), page);
    EXPECT_EQ(ChartPrintLayout::printedSize(5, page, QSizeF(2000, 800)), QSizeF(1000, 400));
}
