#include "chart/ChartImage.h"

#include "SampleChartText.h"
#include "chart/BuiltInChartFile.h"
#include "chart/PainterSurface.h"
#include "chart/XChartModel.h"
#include "support/FailureOf.h"
#include "support/FileContent.h"

#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

const std::uint32_t BarColour = 9671679; // the stored default of the bar colour setting

ChartFeedInput demoMonth() {
    return ChartFeedInput{SampleChartText::month(), QStringLiteral("2007-03"), BarColour};
}

} // namespace

TEST(ChartImage, TheChartFontResolvesToAnInstalledFamily) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface surface(painter);
    EXPECT_EQ(QFontInfo(surface.currentFont()).family(), "Liberation Sans");
    EXPECT_GT(surface.TextWidth(QStringLiteral("Megabytes")), 0);
}

TEST(ChartImage, ADemoMonthRendersBarsGridAndText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("month.png"));
    BuiltInChartFile::render(demoMonth(), path, QSize(900, 500));
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(900, 500));
    std::set<QRgb> colours;
    int barPixels = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            barPixels += pixel == ColorValue::toQColor(BarColour).rgb() ? 1 : 0;
        }
    }
    EXPECT_GT(colours.size(), 10u); // background, grid, bars and antialiased text
    EXPECT_GT(barPixels, 5000);
    EXPECT_EQ(image.pixelColor(2, 250), QColor(240, 240, 240)); // the result window's grey
}

TEST(ChartImage, SvgFilesCarryTheChart) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("month.SVG"));
    BuiltInChartFile::render(demoMonth(), path, QSize(600, 400));
    const QByteArray svg = fileContent(path);
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("Netravo Usage Chart for 2007-03"));
    EXPECT_TRUE(svg.contains("Megabytes"));
}

TEST(ChartImage, FailuresSayWhatWentWrong) {
    QTemporaryDir dir;
    const auto render = [](const ChartFeedInput& month, const QString& path) {
        return failureOf([&] { BuiltInChartFile::render(month, path); });
    };
    const QString bmp = dir.filePath(QStringLiteral("a.bmp"));
    EXPECT_EQ(render(demoMonth(), bmp), "Cannot tell the image type of \"" + bmp.toStdString() +
                                            "\": the file name must end in .png or .svg");
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/a.png"));
    EXPECT_TRUE(render(demoMonth(), missing)
                    .starts_with("Cannot write the chart image \"" + missing.toStdString()));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(render(ChartFeedInput{QStringLiteral("\t01\r\nNonFree\tx"), QString(), 0},
                     dir.filePath(QStringLiteral("b.png"))),
              "Chart data line 1, column 1: \"x\" is not a number");
}

TEST(BuiltInChartFile, SizesAreWidthByHeightInPixels) {
    EXPECT_EQ(BuiltInChartFile::parseSize(QStringLiteral("900x500")), QSize(900, 500));
    EXPECT_EQ(BuiltInChartFile::parseSize(QStringLiteral(" 1200 X 640 ")), QSize(1200, 640));
    for (const char* bad : {"900", "900x", "x500", "0x500", "900x20", "20000x500", "9a0x500"}) {
        EXPECT_FALSE(BuiltInChartFile::parseSize(QString::fromLatin1(bad))) << bad;
    }
}
