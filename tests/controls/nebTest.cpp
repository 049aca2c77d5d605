#include "controls/neb.h"

#include "ControlRender.h"
#include "platform/MessagePresenter.h"
#include "platform/PropertyBag.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// The result window's custom plan: charge, limit and excess rate, then a button after them.
class nebTest : public ::testing::Test {
protected:
    nebTest() {
        auto* layout = new QVBoxLayout(&window);
        charge = addBox("nebPlanCharge", 5, 0);
        limit = addBox("nebBandWidthLimit", 10, 0);
        rate = addBox("nebRsPerMB", 1, 2);
        after = new QLineEdit(&window);
        layout->addWidget(after);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    neb* addBox(const char* name, int integerSize, int decimalSize) {
        auto* box = new neb(messages, &window);
        box->setObjectName(name);
        box->properties().setIntegerSize(integerSize);
        box->properties().setDecimalSize(decimalSize);
        window.layout()->addWidget(box);
        return box;
    }

    static QLineEdit* edit(neb* box) { return box->findChild<QLineEdit*>("txtNeb"); }

    RecordingMessages messages;
    QWidget window;
    neb* charge = nullptr;
    neb* limit = nullptr;
    neb* rate = nullptr;
    QLineEdit* after = nullptr;
};

} // namespace

TEST_F(nebTest, TypedKeysGoThroughTheFilter) {
    rate->setFocus();
    QTest::keyClicks(edit(rate), "x12.345"); // one integer digit, two decimals
    EXPECT_EQ(edit(rate)->text(), "1.34");
    EXPECT_DOUBLE_EQ(rate->Value(), 1.34);
}

TEST_F(nebTest, FocusSelectsAllAndLeavingFormatsAndEnterMovesOn) {
    charge->setValue(150);
    after->setFocus();
    charge->setFocus();
    EXPECT_EQ(edit(charge)->selectedText(), "150");
    QTest::keyClicks(edit(charge), "99");
    QTest::keyClick(edit(charge), Qt::Key_Return);
    EXPECT_EQ(edit(charge)->text(), "99");
    EXPECT_TRUE(edit(limit)->hasFocus());
    rate->setFocus();
    QTest::keyClick(edit(rate), Qt::Key_Backspace);
    after->setFocus();
    EXPECT_EQ(edit(rate)->text(), "0.00");
}

TEST_F(nebTest, PasteGoesThroughTheRepair) {
    QApplication::clipboard()->setText("1234567.891");
    charge->properties().setDecimalSize(2);
    charge->setFocus();
    edit(charge)->selectAll();
    QTest::keyClick(edit(charge), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit(charge)->text(), "12345.89");
    QApplication::clipboard()->setText("twelve");
    edit(charge)->selectAll();
    QTest::keyClick(edit(charge), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit(charge)->text(), "12345.89");
}

TEST_F(nebTest, TheHostSeesKeysFirstAndEveryChange) {
    QSignalSpy changes(limit, &neb::Change);
    QObject::connect(limit, &neb::KeyPress, limit, [](int& key) {
        if (key == '7') {
            key = 0;
        }
    });
    limit->setFocus();
    QTest::keyClicks(edit(limit), "1728");
    EXPECT_EQ(edit(limit)->text(), "128");
    EXPECT_EQ(changes.count(), 3); // the selected "0" replaced by 1, then 2, then 8
}

TEST_F(nebTest, ALowBoxGrowsTo300TwipsAndTheTextBoxFillsIt) {
    rate->resize(90, 5);
    EXPECT_EQ(rate->height(), 20);
    EXPECT_EQ(edit(rate)->geometry(), rate->rect());
}

TEST_F(nebTest, DisablingGreysTheTextAndTheDesignKeepsFontColourAndState) {
    rate->setEnabled(false);
    EXPECT_EQ(rate->ForeColor(), neb::GrayText);
    rate->setEnabled(true);
    EXPECT_EQ(rate->ForeColor(), neb::WindowText);
    QFont font("Liberation Sans", 9);
    rate->setFont(font);
    rate->setBackColor(0x00E0FFFF);
    rate->setEnabled(false);
    PropertyBag bag;
    rate->save(bag);
    neb copy(messages);
    copy.load(bag);
    EXPECT_EQ(copy.BackColor(), 0x00E0FFFFu);
    EXPECT_FALSE(copy.isEnabled());
    EXPECT_EQ(copy.ForeColor(), neb::WindowText); // a stored state leaves the text colour
    EXPECT_EQ(edit(&copy)->font().family(), "Liberation Sans");
    EXPECT_EQ(copy.properties().DecimalSize(), 2);
}

TEST_F(nebTest, TheResultWindowsBoxesForALook) {
    charge->setValue(750);
    limit->setValue(5120);
    rate->setValue(0.8);
    window.resize(160, 120);
    saveRender(window, "neb_custom_plan");
    EXPECT_TRUE(messages.shown().empty());
}
