#include "controls/neb.h"

#include "platform/PropertyBag.h"
#include "support/RecordingMessages.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// The result window's custom plan: charge, limit and excess rate, then another box.
class nebTest : public ::testing::Test {
protected:
    nebTest() {
        auto* layout = new QVBoxLayout(&window);
        for (auto* box : {charge, limit, rate}) {
            layout->addWidget(box);
        }
        layout->addWidget(after);
        charge->properties().setDecimalSize(0);
        limit->properties().setIntegerSize(10);
        limit->properties().setDecimalSize(0);
        rate->properties().setIntegerSize(1);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static QLineEdit* edit(neb* box) { return box->findChild<QLineEdit*>("txtNeb"); }

    RecordingMessages messages;
    QWidget window;
    neb* charge = new neb(messages, &window);
    neb* limit = new neb(messages, &window);
    neb* rate = new neb(messages, &window);
    QLineEdit* after = new QLineEdit(&window);
};

} // namespace

TEST_F(nebTest, KeysPassTheHostAndTheFilterAndEnterMovesOn) {
    QSignalSpy changes(rate, &neb::Change);
    QObject::connect(rate, &neb::KeyPress, rate, [](int& key) { key = key == '7' ? 0 : key; });
    after->setFocus();
    rate->setFocus(); // selects the whole "0.00"
    QTest::keyClicks(edit(rate), "x172.345");
    EXPECT_EQ(edit(rate)->text(), "1.34");
    EXPECT_EQ(changes.count(), 4); // 1 . 3 4
    QTest::keyClick(edit(rate), Qt::Key_Return);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(edit(rate)->text(), "1.34");
}

TEST_F(nebTest, DisablingGreysTheTextAndTheDesignKeepsFontColourAndState) {
    rate->setEnabled(false);
    EXPECT_EQ(rate->ForeColor(), neb::GrayText);
    rate->setEnabled(true);
    EXPECT_EQ(rate->ForeColor(), neb::WindowText);
    rate->setFont(QFont("Liberation Sans", 9));
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
    EXPECT_EQ(copy.properties().IntegerSize(), 1);
}
