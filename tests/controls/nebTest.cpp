#include "controls/neb.h"

#include "support/RecordingMessages.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The result window's excess rate box (one digit, two decimals), then another box: real keys
// pass the filter, every accepted one raises Change, Enter moves on without typing.
TEST(neb, KeysPassTheFilterAndEnterMovesOn) {
    RecordingMessages messages;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* rate = new neb(messages, &window);
    auto* after = new QLineEdit(&window);
    layout->addWidget(rate);
    layout->addWidget(after);
    rate->properties().setIntegerSize(1);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* edit = rate->findChild<QLineEdit*>("txtNeb");
    QSignalSpy changes(rate, &neb::Change);
    after->setFocus();
    rate->setFocus(); // selects the whole "0.00"
    QTest::keyClicks(edit, "x172.345");
    EXPECT_EQ(edit->text(), "1.34");
    EXPECT_EQ(changes.count(), 4); // 1 . 3 4
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(edit->text(), "1.34");
}
