#include "ResultWindowHarness.h"
#include "controls/ctlTabs.h"
#include "controls/neb.h"
#include "platform/ColorValue.h"
#include "support/Palettes.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

// The summary page of the worked example month (1280 MB bandwidth, 1000 MB charged, last
// recorded day 10 March, today 20 March). Every text is checked to the last digit in the
// summary's own tests; here the page shows them, sizes its bar and switches its frames.
class ResultSummaryTest : public ::testing::Test, protected ResultWindowHarness {
protected:
    void SetUp() override {
        open();
        get<ctlTabs>("ctlTabs1")->setSelectedTab(3);
    }
    int quotaWidth() const { return get("picDownloadAllowed")->width(); }
    QString comparedPlans() const { return get<QTextBrowser>("txtPlanComparison")->toPlainText(); }
};

} // namespace

TEST_F(ResultSummaryTest, ThePageShowsTheSummaryAndSwitchesBetweenBalanceAndExcess) {
    choosePlan(0); // "BBG 250": 256 MB over its 1024 MB
    for (const auto& [name, expected] : {std::pair{"lblPlanCharge", "Rs  250"},
                                         {"lblUsedLastDay", " 10 Mar 2007"},
                                         {"lblExcessAmount", "Rs. 51.20"},
                                         {"lblBillTotalAndTax", "Rs. 332.22"}}) {
        EXPECT_EQ(text(name), expected) << name;
        EXPECT_TRUE(get(name)->accessibleName().isEmpty()) << name; // readers speak the text
    }
    EXPECT_EQ(get<QLineEdit>("txtPercentage")->text(), "125%");
    EXPECT_TRUE(get("fraExcess")->isVisible());
    EXPECT_FALSE(get("fraAvailable")->isVisible());
    EXPECT_EQ(get("fraExcess")->pos(), get("fraAvailable")->pos()); // in the balance's place
    EXPECT_EQ(get("picActualDownload")->width(), quotaWidth());
    EXPECT_TRUE(get("picExcessDownload")->isVisible());
    EXPECT_NEAR(get("picExcessDownload")->width(), quotaWidth() * 0.25, 1);
    EXPECT_FALSE(get("lbl", 0)->isVisible()); // the last recorded day is not today
    EXPECT_TRUE(text("lblProjection").startsWith("At this pace (10 of 31 days)"));
    EXPECT_TRUE(text("lblProjection")
                    .endsWith("The 1024 MB ran out by 10 Mar\nLeft: nothing for 21 more days"));
    EXPECT_TRUE(get<QTextBrowser>("txtPlanComparison")->toPlainText().contains("(chosen)"));
    // the plan list takes what the window gains
    const int listHeight = get("txtPlanComparison")->height();
    window->resize(window->width() + 300, window->height() + 300);
    EXPECT_GE(get("txtPlanComparison")->height(), listHeight + 290);

    choosePlan(4); // "BBG FN Combo 599" charges the 1000 MB outside the night hours
    EXPECT_EQ(text("lblAvailableBandWidth"), "3096.000 MB");
    EXPECT_FALSE(get("fraExcess")->isVisible());
    EXPECT_TRUE(get("fraAvailable")->isVisible());
    EXPECT_NEAR(get("picActualDownload")->width(), quotaWidth() * 1000.0 / 4096, 1);
    EXPECT_FALSE(get("picExcessDownload")->isVisible());
}

TEST_F(ResultSummaryTest, TheCustomPlanIsTypedKeyByKeyBilledAsTypedAndStoredOnClosing) {
    options.mblnNightUnlimitedPlan = true; // the custom plan charges the whole month all the same
    open();
    get<ctlTabs>("ctlTabs1")->setSelectedTab(3);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    choosePlan(0); // the custom plan's boxes, still at zero, describe no plan to compare
    EXPECT_FALSE(comparedPlans().contains("Custom/User entered"));
    choosePlan(Plan::CustomSlot);
    EXPECT_TRUE(get("lblMB")->isVisible());
    EXPECT_FALSE(get("lblPlanCharge")->isVisible());
    EXPECT_EQ(text("lblBandWidthLimit"), "1 MB"); // a limit of 0 is shown and billed as 1 MB
    const auto box = [this](const char* name) { return get<neb>(name)->textBox(); };
    // Clicked into from elsewhere, a box selects its text; the keys go through its key filter.
    const auto clickInto = [this, box](const char* name) {
        get("cmbPlans")->setFocus();
        QTest::mouseClick(box(name), Qt::LeftButton);
        QCoreApplication::processEvents();
    };
    const struct {
        const char* box;
        const char* keys;
        const char* shown;
    } typing[] = {
        {"nebPlanCharge", "599999\b\b", "599"},             // a sixth digit is refused
        {"nebBandWidthLimit", "12345678901", "1234567890"}, // ten digits
        {"nebBandWidthLimit", "4096", "4096"},
        {"nebRsPerMB", "0.755", "0.75"}, // two decimals
    };
    for (const auto& row : typing) {
        clickInto(row.box);
        QTest::keyClicks(box(row.box), row.keys);
        EXPECT_EQ(box(row.box)->text().toStdString(), row.shown) << row.box;
    }
    EXPECT_EQ(text("lblUsedBandWidth"), "1280.000 MB"); // night usage too
    EXPECT_EQ(text("lblAvailableBandWidth"), "2816.000 MB");
    EXPECT_EQ(text("lblBillPlanCharge"), "Rs. 599");
    EXPECT_EQ(text("lblBillTotalAndTax"), "Rs. 660.70"); // 599 + 10.3 % tax
    clickInto("nebBandWidthLimit");
    QTest::keyClicks(box("nebBandWidthLimit"), "1024");
    for (const auto& [name, expected] :
         {std::pair{"lblExcessAmount", "Rs. 192.00"}, // 256 MB x 0.75
          {"lblBillTotal", "Rs. 791.00"},
          {"lblBillTax", "Rs. 81.47"},
          {"lblBillTotalAndTax", "Rs. 872.47"}}) {
        EXPECT_EQ(text(name).toStdString(), expected) << name;
    }

    // closing stores the plan and the values; the next window starts from them
    QTest::mouseClick(get("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(settings.read("ScreenSettings", "Plan6", ""),
              QString::number(window->summaryPage().cmbPlans().indexOfSlot(29)));
    EXPECT_EQ(settings.read("ScreenSettings", "nebPlanCharge", ""), "599");
    EXPECT_EQ(settings.read("ScreenSettings", "nebBandWidthLimit", ""), "1024");
    EXPECT_EQ(settings.read("ScreenSettings", "nebRsPerMB", ""), "0.75");
    open();
    EXPECT_EQ(box("nebRsPerMB")->text(), "0.75");
    EXPECT_EQ(text("lblBillTotalAndTax"), "Rs. 872.47");
    choosePlan(0);
    EXPECT_TRUE(comparedPlans().contains("Custom/User entered"));
}

TEST_F(ResultSummaryTest, AnEmptiedLimitShowsOneMegabyteOnceLeftAndWhenStored) {
    choosePlan(Plan::CustomSlot);
    get<neb>("nebBandWidthLimit")->setValue(2048);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* limit = get<neb>("nebBandWidthLimit")->textBox();
    QTest::mouseClick(limit, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClick(limit, Qt::Key_Backspace); // emptied to type anew: billed as 1 MB meanwhile,
    EXPECT_EQ(limit->text(), "");              // but not rewritten under the caret
    EXPECT_EQ(text("lblBandWidthLimit"), "1 MB");
    QTest::mouseClick(get<neb>("nebRsPerMB")->textBox(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(limit->text(), "1");
    QTest::mouseClick(limit, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClick(limit, Qt::Key_Backspace);
    QTest::keyClick(window.get(), Qt::Key_Escape); // closed while the box is still empty
    EXPECT_EQ(settings.read("ScreenSettings", "nebBandWidthLimit", ""), "1");
}

TEST_F(ResultSummaryTest, TodaysFiguresShowWhenTheLastRecordedDayIsToday) {
    clock = FixedClock(QDate(2007, 3, 10));
    choosePlan(0);
    for (int i = 0; i <= 6; ++i) {
        EXPECT_FALSE(get("lbl", i)->isHidden()) << i; // 3, 4 and 6 sit in the hidden balance frame
    }
    EXPECT_EQ(text("lblUsageToday"), "128.00 MB");
    EXPECT_EQ(text("lblUsedAverageExclToday"), "128.00 MB");
    for (int note : {5, 6}) { // the footnote whole in both panels
        auto* label = get<QLabel>("lbl", note);
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << note;
        EXPECT_LE(label->geometry().bottom(), label->parentWidget()->height()) << note;
    }
}

TEST_F(ResultSummaryTest, TextsReadOnTheDesignsColoursAndLinksInADarkPalette) {
    QApplication::setPalette(Palettes::dark());
    open();
    const auto styled = [](QString s) { return QColor(s.mid(s.indexOf("color:#") + 6, 7)); };
    const QColor percentage = styled(get("txtPercentage")->styleSheet()); // on green and pink
    EXPECT_GE(ColorValue::contrastRatio(percentage, QColor(0x00, 0xc0, 0x00)), 4.5);
    EXPECT_GE(ColorValue::contrastRatio(percentage, QColor(0xff, 0x80, 0x80)), 4.5);
    for (auto* link : {get<QLabel>("lblPlans"), get<QLabel>("lblWebsite")}) {
        const QColor back = link->palette().color(link->backgroundRole());
        EXPECT_GE(ColorValue::contrastRatio(styled(link->text()), back), 4.5);
    }
    QApplication::setPalette(Palettes::light());
}

TEST_F(ResultSummaryTest, AnUnknownSavedPlanLeavesNoneChosen) {
    EXPECT_EQ(text("lblUsedBandWidth"), "0");        // nothing saved yet, nothing shown
    settings.write("ScreenSettings", "Plan6", "77"); // never written by us: ignored
    open();
    EXPECT_EQ(get<QComboBox>("cmbPlans")->currentIndex(), -1);
}
