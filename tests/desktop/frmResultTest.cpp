#include "ResultWindowHarness.h"
#include "chart/StackedChartView.h"
#include "chart/XChart.h"
#include "controls/QtColorChooser.h"
#include "controls/QtFileChooser.h"
#include "controls/ctlTabs.h"
#include "desktop/MessageBoxPresenter.h"
#include "platform/ColorValue.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class frmResultTest : public ::testing::Test, protected ResultWindowHarness {
protected:
    void SetUp() override {
        options.mblnNightUnlimitedPlan = true;
        open();
    }
    void selectTab(int tab) { get<ctlTabs>("ctlTabs1")->setSelectedTab(tab); }
    XChartModel& chart() { return get<XChart>("XChart1")->model(); }
    StackedChartView* stacked() { return get<StackedChartView>("OLE1"); }
    void chooseChartType(int index) { get<QComboBox>("cmbChartType")->setCurrentIndex(index); }
};

} // namespace

TEST_F(frmResultTest, TheReportPageShowsTheReportWithItsRowColours) {
    EXPECT_FALSE(get("lblAverage")->isVisible());
    EXPECT_EQ(text("lblAverage"), "128.00"); // written by the report builder all the same
    // the page shows the report's head; its rows go to the table below
    const QString page = get<QTextBrowser>("WebBrowser1")->toPlainText();
    EXPECT_TRUE(page.contains("Detail listing for 2007-03"));
    EXPECT_FALSE(page.contains("2007-03-10 10:00:00"));
    EXPECT_EQ(rowsOfClass("free"), 10);
    EXPECT_EQ(rowsOfClass("mixed"), 10);
    EXPECT_EQ(rowsOfClass("nonfree"), 10);
    // the rows in the table below, in their classes' colours, the daily total over its day
    auto* rows = get<QTableView>("grdReportRows");
    const QAbstractItemModel* model = rows->model();
    ASSERT_EQ(model->rowCount(), 30);
    EXPECT_EQ(model->index(0, 2).data().toString(), "2007-03-10 10:00:00");
    EXPECT_EQ(model->index(0, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 234, 234));
    EXPECT_EQ(model->index(2, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(225, 255, 225));
    EXPECT_EQ(model->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    EXPECT_TRUE(model->index(0, 9).data().toString().startsWith("2007-03-10"));
    EXPECT_EQ(rows->rowSpan(0, 9), 3);
    EXPECT_EQ(rows->rowSpan(3, 9), 3);
    // the columns up to the charged usage fit the design width, its heading whole
    const QHeaderView* header = rows->horizontalHeader();
    EXPECT_LE(header->sectionViewportPosition(8) + header->sectionSize(8),
              rows->viewport()->width());
    // a day of two rows shows its whole total (nine lines), black on white whatever the palette
    check("chkExclude", 0)->click();
    ASSERT_EQ(model->rowCount(), 20);
    const QSize total = rows->fontMetrics().size(0, model->index(0, 9).data().toString());
    EXPECT_GE(rows->rowHeight(0) + rows->rowHeight(1), total.height());
    EXPECT_GE(rows->columnWidth(9), total.width());
    EXPECT_EQ(model->index(0, 9).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
}

TEST_F(frmResultTest, ExclusionsRebuildTheReportAndTheChart) {
    ASSERT_EQ(chart().itemCount(), 11); // ten days and the average
    const double tenthDay = chart().item(0)->Value;
    check("chkExclude", 0)->click();
    EXPECT_TRUE(options.mblnExcludeFree);
    EXPECT_EQ(rowsOfClass("free"), 0);
    EXPECT_EQ(rowsOfClass("nonfree"), 10);
    EXPECT_LT(chart().item(0)->Value, tenthDay);
    EXPECT_TRUE(window->state().mblnChartUpToDate);
    check("chkExclude", 1)->setChecked(true); // hidden, but its handler works
    EXPECT_TRUE(options.mblnExcludeMixed);
    // mixed rows keep their charged part; the report's heading names the exclusion
    EXPECT_TRUE(get<QTextBrowser>("WebBrowser1")->toPlainText().contains("[Mixed usage]"));
    EXPECT_EQ(get<QTableView>("grdReportRows")->model()->rowCount(), 20);
    // the summary counts every row, whatever the report leaves out
    EXPECT_EQ(window->result().totals().mlngTotalBandwidthKB, 1310720);
}

TEST_F(frmResultTest, TheNightPlanSwitchesTheExclusionBoxesAndClearsTheNonFreeExclusion) {
    check("chkExclude", 2)->click();
    ASSERT_TRUE(options.mblnExcludeNonFree);
    check("chkNightUnlimited")->click();
    EXPECT_FALSE(options.mblnNightUnlimitedPlan);
    EXPECT_FALSE(options.mblnExcludeNonFree); // although its box stays ticked
    EXPECT_TRUE(check("chkExclude", 2)->isChecked());
    EXPECT_FALSE(check("chkExclude", 0)->isEnabled());
    EXPECT_FALSE(get("lblSetColor", 1)->isVisible());
    EXPECT_TRUE(get("picChartColor", 0)->isHidden());
    EXPECT_EQ(rowsOfClass("nonfree"), 30); // every row is charged without the plan
    check("chkNightUnlimited")->click();
    EXPECT_TRUE(options.mblnExcludeNonFree);
    EXPECT_TRUE(check("chkExclude", 0)->isEnabled());
}

TEST_F(frmResultTest, SuppressedEventsLeaveOptionsAndReportAlone) {
    window->setSuppressEvents(true);
    check("chkExclude", 0)->setChecked(true);
    check("chkNightUnlimited")->setChecked(false); // the night box always applies its rules
    EXPECT_FALSE(options.mblnExcludeFree);
    EXPECT_FALSE(options.mblnNightUnlimitedPlan);
    EXPECT_EQ(rowsOfClass("free"), 10);
}

TEST_F(frmResultTest, ChartTypesSwitchWithoutRebuildingAnUpToDateChartAndFollowTheOptions) {
    selectTab(2);
    EXPECT_EQ(get<QComboBox>("cmbChartType")->currentIndex(), 0);
    chooseChartType(1);
    EXPECT_EQ(options.ChartType, 1);
    EXPECT_TRUE(window->state().mblnGraphCreated);
    EXPECT_TRUE(stacked()->isVisible());
    EXPECT_FALSE(get("XChart1")->isVisible());
    EXPECT_TRUE(get("fraChartColors")->isVisible());
    EXPECT_FALSE(get("fraBuiltinChartOptions")->isVisible());
    EXPECT_EQ(stacked()->data().series[1].color, options.mlngChartColorFree);
    // the built-in chart is still up to date: choosing it again must not refill it
    chart().Clear();
    chooseChartType(0);
    EXPECT_EQ(options.ChartType, 0);
    EXPECT_EQ(chart().itemCount(), 0);
    EXPECT_TRUE(get("XChart1")->isVisible());
    EXPECT_FALSE(stacked()->isVisible());

    // the average and the daily totals change the stacked chart
    chooseChartType(1);
    EXPECT_FALSE(stacked()->style().showDataTable);
    EXPECT_EQ(stacked()->data().categories.size(), 10);
    check("chkShowAverageInChart")->click();
    EXPECT_TRUE(options.mblnShowAverage);
    EXPECT_EQ(stacked()->data().categories.back(), "Avg");
    check("chkDisplayDailyTotalinChart")->click();
    EXPECT_TRUE(options.mblnShowTotalValue);
    EXPECT_TRUE(stacked()->style().showDataTable);
    // an exclusion reaches the stacked chart through the report builder
    check("chkExclude", 0)->click();
    ASSERT_EQ(stacked()->data().series.size(), 1u);
    EXPECT_EQ(stacked()->data().series[0].name, "NonFree");
    EXPECT_FALSE(window->state().mblnChartUpToDate); // the built-in chart must refill later
}

TEST_F(frmResultTest, ColourLabelsAndBoxesGoThroughTheColourDialogByMouseAndKeyboard) {
    colors.answerColor(0x000000FF);
    QTest::keyClick(get("lblSetColor", 2), Qt::Key_Return); // as the left button does
    EXPECT_EQ(options.mlngColorNonFree, 0x000000FFu);
    colors.answerColor(0x00FFFF00);
    QTest::mouseClick(get("lblSetColor", 2), Qt::RightButton);
    EXPECT_EQ(options.mlngColorBackNonFree, 0x00FFFF00u);
    EXPECT_EQ(colors.requests().back().color, 15395583u); // started from the old back colour
    const auto& rules = window->reportDocument().styleRules();
    EXPECT_TRUE(std::any_of(rules.begin(), rules.end(), [](const StyleRule& rule) {
        return rule.selector == ".nonfree" && rule.declaration == "background-color:#00FFFF;";
    }));
    colors.answerColor(0x00FFFFFF);
    QTest::keyClick(get("lblSetColor", 2), Qt::Key_Return, Qt::ShiftModifier); // the right one
    EXPECT_EQ(options.mlngColorBackNonFree, 0x00FFFFFFu);
    colors.answerCancel();
    QTest::mouseClick(get("lblSetColor", 0), Qt::LeftButton);
    EXPECT_EQ(options.mlngColorFree, 0u);
    QTest::mouseClick(get("lblSetColor", 0), Qt::MiddleButton);
    EXPECT_EQ(colors.requests().size(), 4u); // the middle button asks nothing

    selectTab(2);
    colors.answerColor(0x0019C80A); // RGB(10, 200, 25)
    QTest::keyClick(get("picBuiltInChartColor"), Qt::Key_Space);
    EXPECT_EQ(options.mlngInbuiltChartColor, 0x0019C80Au);
    EXPECT_EQ(chart().properties().BarColor, 0x0019C80Au);
    chooseChartType(1);
    colors.answerColor(0x00123456);
    QTest::mouseClick(get("picChartColor", 2), Qt::LeftButton);
    EXPECT_EQ(options.mlngChartColorNonFree, 0x00123456u);
    EXPECT_EQ(stacked()->data().series[0].color, 0x00123456u);
    colors.answerCancel();
    QTest::mouseClick(get("picChartColor", 0), Qt::LeftButton);
    EXPECT_EQ(options.mlngChartColorFree, 11599792u);
}

TEST_F(frmResultTest, TheHelpLinkAnswersInAMessageAndOtherLinksOpenInTheBrowser) {
    auto* page = get<QTextBrowser>("WebBrowser1");
    Q_EMIT page->anchorClicked(QUrl(QStringLiteral("file:///C:/WhytotalShown.html")));
    ASSERT_EQ(messages.shown().size(), 1u); // the help text, not a file opened
    EXPECT_EQ(messages.shown()[0].title, "Help");
    EXPECT_TRUE(messages.shown()[0].text.contains(
        "delete the cache file for the current month(present in the folder "
        "/home/alice/.local/share/veltrix) and regenerate"));
    EXPECT_TRUE(shell.opened.empty());
    Q_EMIT page->anchorClicked(QUrl(QStringLiteral("https://portal.example/")));
    EXPECT_EQ(shell.opened, std::vector<std::string>{"https://portal.example/"});
    QTest::mouseClick(get("lblWebsite"), Qt::LeftButton);
    Q_EMIT get<QLabel>("lblPlans")->linkActivated("#"); // Enter on the link, as Tab reaches it
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{"https://portal.example/", frmResult::PlansPageAddress,
                                        frmResult::PlansPageAddress}));
}

TEST_F(frmResultTest, TheAllowanceLineIsOffUntilTurnedOnAndFollowsThePlan) {
    choosePlan(0); // "BBG 250": 1024 MB over March's 31 days
    EXPECT_FALSE(chart().allowanceShown());
    EXPECT_DOUBLE_EQ(*chart().AllowanceValue(), 1024.0 / 31);
    check("chkShowAllowanceInChart")->click();
    EXPECT_TRUE(options.mblnShowAllowance);
    EXPECT_TRUE(chart().allowanceShown());
    choosePlan(4); // 4096 MB
    EXPECT_DOUBLE_EQ(*chart().AllowanceValue(), 4096.0 / 31);
    choosePlan(2); // unlimited: no line, and no switch to turn
    EXPECT_FALSE(chart().allowanceShown());
    EXPECT_FALSE(check("chkShowAllowanceInChart")->isEnabled());
}

TEST_F(frmResultTest, KeyboardReachesEveryControlInReadingOrderWithUniqueMnemonics) {
    const auto tabStops = [this] {
        QString names = "ctlTabs1";
        for (QWidget* at = get("ctlTabs1")->nextInFocusChain(); at != get("ctlTabs1");
             at = at->nextInFocusChain()) {
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)) {
                names += ' ' + at->objectName() + at->property("Index").toString();
            }
        }
        return names;
    };
    const QString footer = " chkNightUnlimited chkExclude0 chkExclude2 lblWebsite cmdClose";
    const QString pages[] = {"ctlTabs1 WebBrowser1 grdReportRows cmdSave cmdExport cmdPrint "
                             "lblSetColor0 lblSetColor1 lblSetColor2" +
                                 footer,
                             "ctlTabs1 cmbChartType cmdCopyChart picBuiltInChartColor" + footer,
                             "ctlTabs1 cmbPlans lblPlans txtPlanComparison cmdClose"};
    for (int tab = 1; tab <= 3; ++tab) {
        selectTab(tab);
        EXPECT_EQ(tabStops(), pages[tab - 1]) << tab;
        QString keys; // each visible caption's underlined letter, once a page
        for (auto* control : window->findChildren<QWidget*>()) {
            const QString caption = control->property("text").toString();
            if (const qsizetype amp = caption.indexOf('&'); control->isVisible() && amp >= 0) {
                EXPECT_FALSE(keys.contains(caption[amp + 1].toLower())) << caption.toStdString();
                keys += caption[amp + 1].toLower();
            }
        }
    }
    // Tab leaves the rows table, where a cell by cell walk would hold it for every row
    selectTab(1);
    get("grdReportRows")->setFocus();
    QTest::keyClick(get("grdReportRows"), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), get("cmdSave"));
}

TEST_F(frmResultTest, TheResizerKeepsTheRulesAndTheTabStripHoldsItsPages) {
    auto* close = get("cmdClose");
    auto* page = get("fraReport");
    const QPoint closeAt = close->pos();
    const int pageWidth = page->width();
    window->resize(window->width() + 40, window->height() + 20); // 600 by 300 twips
    EXPECT_EQ(close->x(), closeAt.x() + 40);
    EXPECT_EQ(page->width(), pageWidth + 40);
    EXPECT_GE(get("ctlTabs1")->width(), page->geometry().right());
    EXPECT_EQ(get("cmdSave")->y(), get("fraReport")->height() - 23);
    window->resize(200, 200); // below the load size: back to it
    EXPECT_EQ(close->pos(), closeAt);
}

TEST_F(frmResultTest, TheStackedChartDrawsAndCopiesTheFreePartInTheColourItsBoxShows) {
    check("chkNightUnlimited")->click(); // off: the free part is all zero
    selectTab(2);
    chooseChartType(1);
    check("chkNightUnlimited")->click(); // on again: the free part appears
    const auto& series = stacked()->data().series;
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[1].color, options.mlngChartColorFree);
    EXPECT_EQ(get("picChartColor", 0)->property("BackColor").toUInt(), options.mlngChartColorFree);
    get<QPushButton>("cmdCopyChart")->click();
    EXPECT_EQ(messages.shown().size(), 1u); // and says so
    const QImage copied =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    const QRgb free = ColorValue::toQColor(options.mlngChartColorFree).rgb();
    bool drawn = false;
    for (int y = 0; y < copied.height() && !drawn; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(copied.constScanLine(y));
        drawn = std::find(line, line + copied.width(), free) != line + copied.width();
    }
    EXPECT_TRUE(drawn);
}

TEST_F(frmResultTest, EveryRebuildOfTheReportShowsTheWaitCursor) {
    std::vector<bool> waiting;
    QObject::connect(get<QTableView>("grdReportRows")->model(), &QAbstractItemModel::modelReset,
                     window.get(), [&waiting] {
                         const QCursor* cursor = QApplication::overrideCursor();
                         waiting.push_back(cursor && cursor->shape() == Qt::WaitCursor);
                     });
    check("chkExclude", 0)->click();
    check("chkNightUnlimited")->click();
    colors.answerColor(0x000000FF);
    QTest::mouseClick(get("lblSetColor", 2), Qt::LeftButton);
    EXPECT_EQ(waiting, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ResultWindowOwner, OpensModalOverTheMainWindowAndOwnsItsMessageBoxesAndDialogs) {
    QWidget mainWindow;
    mainWindow.show();
    ResultWindowHarness h;
    h.month.GrabbingFinished({ResultWindowHarness::workedMonth(), "2007-03", FixedPoint()});
    MessageBoxPresenter boxes(&mainWindow); // as the program makes it: over the main window
    const std::unique_ptr<ResultWindowPort> port = frmResult::factory(
        {h.settings, boxes, h.clock, h.colors, h.files, h.shell, {}, {}, [&mainWindow] {
             return &mainWindow;
         }})(h.month, h.options);
    auto* result = dynamic_cast<frmResult*>(port.get());
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->parentWidget(), &mainWindow);
    std::vector<const QWidget*> owners;
    // answers whatever opens next, noting the window it opened over
    const auto closeNext = [&owners] {
        QTimer::singleShot(0, qApp, [&owners] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            owners.push_back(dialog->parentWidget());
            dialog->reject();
        });
    };
    QTimer::singleShot(0, qApp, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), result);
        closeNext();
        boxes.show("File saved successfully", "Veltrix", MessageIcon::Information);
        closeNext();
        QtColorChooser().choose(*std::make_unique<ColorChooser::Request>());
        closeNext();
        QtFileChooser().chooseSave({});
        result->reject();
    });
    port->showModal();
    EXPECT_EQ(owners, (std::vector<const QWidget*>(3, result)));
}
