#include "SampleChartText.h"
#include "chart/ChartFeed.h"
#include "chart/ChartLegendContent.h"
#include "chart/ChartSplitter.h"
#include "chart/LegendLayout.h"
#include "chart/XChart.h"
#include "support/FileContent.h"
#include "support/RecordingMessages.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class XChartWidget : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(900, 500);
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
        bool upToDate = false;
        ChartFeed::UpdateGraphControl(
            chart.model(),
            ChartFeedInput{SampleChartText::month(), QStringLiteral("2007-03"), 9671679}, upToDate);
        chart.setMessagePresenter(&messages);
    }
    void TearDown() override {
        for (QMenu* menu : chart.findChildren<QMenu*>()) {
            menu->hide();
        }
    }
    // A point low inside bar `index` (every demo day has more than 10 MB).
    QPoint inBar(int index) const {
        const QRectF bar = chart.model().geometry().shapeRect(index, 80);
        return QPoint(static_cast<int>(bar.center().x() / 15),
                      static_cast<int>(chart.model().geometry().valueY(5) / 15));
    }
    template <typename T> T* child(const char* name) {
        return chart.findChild<T*>(QString::fromLatin1(name));
    }

    XChart chart;
    RecordingMessages messages;
};

} // namespace

TEST_F(XChartWidget, ClickingABarSelectsItAndReportsItOnce) {
    QSignalSpy clicks(&chart, &XChart::ItemClick);
    QSignalSpy downs(&chart, &XChart::MouseDown);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, inBar(4));
    QTest::mouseClick(&chart, Qt::LeftButton, {}, inBar(4));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].value<ChartItemRef>()->ItemID, "5");
    EXPECT_EQ(chart.model().SelectedColumn(), 4);
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(downs[0][0].toInt(), 1);
    EXPECT_FLOAT_EQ(downs[0][2].toFloat(), static_cast<float>(inBar(4).x() * 15));
    EXPECT_EQ(chart.picture().pixelColor(inBar(4)),
              ColorValue::toQColor(chart.model().properties().SelectedBarColor));
}

TEST_F(XChartWidget, HotTrackingSelectsUnderThePointerWithoutNeedlessDrawing) {
    QSignalSpy clicks(&chart, &XChart::ItemClick);
    QSignalSpy draws(&chart.model(), &XChartModel::drawRequested);
    for (const int index : {2, 2, 3}) {
        QTest::mouseMove(&chart, inBar(index));
        QTest::mouseMove(&chart, inBar(index) + QPoint(1, -3)); // same bar
    }
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(draws.count(), 2);
    EXPECT_EQ(chart.model().SelectedColumn(), 3);
    EXPECT_EQ(chart.cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(XChartWidget, RightClickOpensTheMainMenu) {
    QTest::mouseClick(&chart, Qt::RightButton, {}, QPoint(400, 200));
    ASSERT_TRUE(child<QMenu>("mnuMain"));
    EXPECT_TRUE(child<QMenu>("mnuMain")->isVisible());
    EXPECT_FALSE(child<QAction>("mnuMainPrint")->text().isEmpty());
}

TEST_F(XChartWidget, TheLegendPaneShowsFittedEntriesAndSelectsWithoutItemClick) {
    chart.ShowLegend(false);
    auto* pane = child<QWidget>("picLegend");
    auto* splitter = child<ChartSplitter>("picSplitter");
    auto* content = child<ChartLegendContent>("picContainer");
    EXPECT_EQ(pane->geometry().right(), chart.width() - 1);
    EXPECT_EQ(splitter->geometry().right() + 1, pane->x());
    ASSERT_EQ(content->entries().size(), 32u);
    EXPECT_TRUE(child<QWidget>("vsbContainer")->isVisible()); // 32 entries do not fit
    EXPECT_LT(chart.model().geometry().plotRight(), splitter->x() * 15);

    QSignalSpy clicks(&chart, &XChart::ItemClick);
    QTest::mouseClick(content, Qt::LeftButton, {}, LegendLayout::swatchRect(3).center());
    EXPECT_EQ(chart.model().SelectedColumn(), 3);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseClick(content, Qt::RightButton, {}, LegendLayout::swatchRect(3).center());
    EXPECT_TRUE(child<QMenu>("mnuLegend")->isVisible());
    child<QAction>("mnuLegendHide")->trigger();
    EXPECT_FALSE(chart.model().legendVisible());
    EXPECT_FALSE(child<QAction>("mnuMainViewLegend")->isChecked());
    EXPECT_GE(pane->x(), chart.width());
}

TEST_F(XChartWidget, DraggingTheDividerWidensTheLegend) {
    auto* splitter = child<ChartSplitter>("picSplitter");
    QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(2, 100));
    QTest::mouseMove(splitter, QPoint(-200, 100)); // to 695
    QTest::mouseMove(splitter, QPoint(-300, 100)); // to 395, past the middle: refused
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(0, 100));
    EXPECT_TRUE(chart.model().legendVisible());
    EXPECT_EQ(child<QWidget>("picLegend")->width(), 900 - 695 - 5);
    EXPECT_TRUE(child<QAction>("mnuMainViewLegend")->isChecked());

    QTest::mouseClick(splitter, Qt::LeftButton, {}, QPoint(2, 2)); // the glyph
    EXPECT_FALSE(chart.model().legendVisible());
}

TEST_F(XChartWidget, SelectionInformationLabelFollowsTheSelection) {
    child<QAction>("mnuMainSelectionInfo")->trigger();
    EXPECT_TRUE(chart.model().properties().SelectionInformation);
    auto* info = child<QLabel>("lblInfo");
    EXPECT_FALSE(info->isVisible());
    QTest::mouseClick(&chart, Qt::LeftButton, {}, inBar(0));
    ASSERT_TRUE(info->isVisible());
    EXPECT_TRUE(info->text().contains("Description: 1"));

    QTest::mousePress(info, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(info, QPoint(53, 23));
    QTest::mouseRelease(info, Qt::LeftButton, {}, QPoint(53, 23));
    EXPECT_EQ(info->pos(), QPoint(4 + 50, 4 + 20));
}

TEST_F(XChartWidget, CopyAndSaveHandOverThePicture) {
    EXPECT_TRUE(chart.EditCopy());
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(900, 500));

    QTemporaryDir dir;
    QString asked;
    auto saveAs = [&](const char* name) {
        chart.setSaveFileChooser([&, name](const QString& caption) {
            asked = caption;
            return dir.filePath(QString::fromLatin1(name));
        });
        child<QAction>("mnuMainSaveAs")->trigger();
    };
    saveAs("chart.png");
    EXPECT_EQ(asked, "Save chart as");
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("chart.png"))).size(), QSize(900, 500));

    saveAs("chart.gif");
    EXPECT_TRUE(messages.lastText().contains(".png or .svg"));
}

// The legend, when shown, is printed beside the chart on the same page.
TEST_F(XChartWidget, PrintingWritesTheChartWithOrWithoutTheLegend) {
    QTemporaryDir dir;
    QStringList files;
    chart.setPrinterFactory([&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        files.append(dir.filePath(QStringLiteral("page%1.pdf").arg(files.size())));
        printer->setOutputFileName(files.back());
        return printer;
    });
    chart.PrintChart();
    chart.ShowLegend(false);
    chart.PrintChart();
    ASSERT_EQ(files.size(), 2);
    for (const QString& file : files) {
        EXPECT_TRUE(fileContent(file).contains("/Subtype /Image")) << file.toStdString();
    }
    EXPECT_TRUE(messages.shown().empty());
}
