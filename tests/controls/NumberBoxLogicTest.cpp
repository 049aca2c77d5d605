#include "controls/NumberBoxLogic.h"

#include "platform/PropertyBag.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace {

// Behaves like the real box: typed keys pass the filter and replace the selection, every
// change notifies the rules, setting the text puts the caret at its end.
class FakeTextBox final : public NumberTextBox {
public:
    NumberBoxLogic* logic = nullptr;
    int focusMoves = 0;

    QString text() const override { return m_text; }
    void setText(const QString& text) override { replaceAll(text, text.size()); }
    int caret() const override { return m_caret; }
    int selectionLength() const override { return m_selection; }
    void setSelection(int start, int length) override { m_caret = start, m_selection = length; }
    void focusNext() override { ++focusMoves; }

    void type(const QString& keys) {
        for (const QChar key : keys) {
            if (const int passed = logic->KeyPress(key.unicode())) {
                insert(QString(QChar(passed)));
            }
        }
    }
    // Paste, drop, Delete, Backspace: no keystroke the filter accepted.
    void insert(const QString& text) {
        replaceAll(QString(m_text).replace(m_caret, m_selection, text), m_caret + text.size());
    }

private:
    void replaceAll(const QString& text, qsizetype caret) {
        m_text = text;
        setSelection(static_cast<int>(caret), 0);
        logic->textChanged();
    }
    QString m_text;
    int m_caret = 0;
    int m_selection = 0;
};

class NumberBoxLogicTest : public ::testing::Test {
protected:
    NumberBoxLogicTest() {
        box.logic = &logic;
        logic.setChangeHandler([this] { ++changes; });
        logic.placeNew();
        sizes(5, 2);
    }
    // sets the sizes, then empties the box
    void sizes(int integerSize, int decimalSize) {
        logic.setIntegerSize(integerSize);
        logic.setDecimalSize(decimalSize);
        box.setSelection(0, static_cast<int>(box.text().size()));
        box.insert("");
        changes = 0;
    }

    FakeTextBox box;
    RecordingMessages messages;
    NumberBoxLogic logic{box, messages};
    int changes = 0;
};

} // namespace

TEST_F(NumberBoxLogicTest, DigitsStopAtTheSizesOnEitherSideOfThePoint) {
    box.type("123456.678");
    EXPECT_EQ(box.text(), "12345.67");
    box.setSelection(0, 0);
    box.type("9");
    box.setSelection(6, 0);
    box.type("9");
    EXPECT_EQ(box.text(), "12345.67");
    box.setSelection(0, 8); // the whole text selected: anything fits
    box.type("4");
    EXPECT_EQ(box.text(), "4");
}

TEST_F(NumberBoxLogicTest, ThePointKeyStartsOrContinuesTheDecimals) {
    const struct {
        const char* text;
        int caret;
        int decimals;
        const char* expected;
    } cases[] = {{"", 0, 2, "0."},      {"-", 1, 2, "0."},    {"123", 0, 2, "0."},
                 {"123", 1, 2, "1.23"}, {"1.5", 3, 2, "1.5"}, {"12", 2, 0, "12"},
                 {"12", 2, -1, "12"}}; // a point needs room for decimals
    logic.setMinimumValue(-5);
    for (const auto& c : cases) {
        sizes(5, c.decimals);
        box.insert(c.text);
        box.setSelection(c.caret, 0);
        box.type(".");
        EXPECT_EQ(box.text(), c.expected) << c.text << " at " << c.caret;
        if (QString(c.expected) == "0.") {
            EXPECT_EQ(box.caret(), 2) << c.text;
        }
    }
}

TEST_F(NumberBoxLogicTest, TheSignOnlyLeadsAndOnlyWhenNegativeNumbersAreAllowed) {
    box.type("-1,2 3");
    EXPECT_EQ(box.text(), "123"); // minimum 0: no sign; comma and blank always refused
    logic.setMinimumValue(-100);
    box.setSelection(1, 0);
    box.type("-");
    box.setSelection(0, 0);
    box.type("-");
    EXPECT_EQ(box.text(), "-123");
    box.setSelection(0, 0);
    box.type("-5"); // neither a second sign nor a digit in front of the sign
    EXPECT_EQ(box.text(), "-123");
}

TEST_F(NumberBoxLogicTest, PastedTextIsCutToTheSizesOrRefused) {
    box.insert("1234567.891");
    EXPECT_EQ(box.text(), "12345.89"); // cut, not rounded
    EXPECT_EQ(changes, 2);             // the paste, then the box's own repair
    box.setSelection(0, 8);
    box.insert("abc");
    EXPECT_EQ(box.text(), "12345.89"); // what was there stays
    box.setSelection(0, 8);
    box.insert("-3"); // a negative number where the minimum is 0 loses its sign
    EXPECT_EQ(box.text(), "3.00");
    logic.setValue(-3);
    EXPECT_EQ(box.text(), "3.00");
    logic.setValue(2.005);
    EXPECT_EQ(box.text(), "2.01"); // halves away from zero
}

TEST_F(NumberBoxLogicTest, FocusSelectsAllAndLeavingFormats) {
    logic.lostFocus();
    EXPECT_EQ(box.text(), "0.00");
    logic.gotFocus();
    EXPECT_EQ(box.selectionLength(), 4);
    sizes(5, 0);
    logic.lostFocus();
    EXPECT_EQ(box.text(), "0");
}

TEST_F(NumberBoxLogicTest, FewerDecimalsRoundTheTextAndResetTheLimits) {
    logic.setMaximumValue(500);
    box.type("12.75");
    logic.setDecimalSize(0);
    EXPECT_EQ(box.text(), "13");
    EXPECT_EQ(logic.formatPattern(), "0");
    EXPECT_DOUBLE_EQ(logic.MaximumValue(), 99999);
    EXPECT_DOUBLE_EQ(logic.MinimumValue(), 0); // not at the old bottom: stays
    logic.setMinimumValue(-99999);
    logic.setIntegerSize(3);
    EXPECT_DOUBLE_EQ(logic.MinimumValue(), -999); // at the old bottom: follows
}

TEST_F(NumberBoxLogicTest, InvalidRangeWaitsForAChangeThatIsNoKeystroke) {
    logic.setMaximumValue(100);
    box.type("500");
    EXPECT_FALSE(logic.InvalidRange());
    logic.lostFocus();
    EXPECT_TRUE(logic.InvalidRange());
    box.setSelection(2, 1);
    box.insert(""); // Delete
    EXPECT_EQ(box.text(), "50.00");
    EXPECT_FALSE(logic.InvalidRange());
}

TEST_F(NumberBoxLogicTest, EnterMovesOnOnlyWhenAskedAndNeverTypes) {
    box.type("7\r");
    logic.setEnableEnterKey(false);
    box.type("\r");
    EXPECT_EQ(box.focusMoves, 1);
    EXPECT_EQ(box.text(), "7");
    EXPECT_EQ(logic.KeyPress(8), 8); // Backspace passes to the box
}

TEST_F(NumberBoxLogicTest, OutOfRangeAssignmentsAreRefusedWithAMessage) {
    logic.setIntegerSize(13);
    logic.setIntegerSize(0);
    logic.setDecimalSize(10);
    logic.setMaximumValue(100000);
    logic.setMinimumValue(-100000);
    ASSERT_EQ(messages.shown().size(), 5u);
    EXPECT_EQ(messages.shown()[0].text, "Invalid property value");
    EXPECT_EQ(logic.IntegerSize() * 10 + logic.DecimalSize(), 52);
    EXPECT_DOUBLE_EQ(logic.MaximumValue(), 99999.99);
    EXPECT_DOUBLE_EQ(logic.MinimumValue(), 0);
}

TEST_F(NumberBoxLogicTest, DesignKeysOmitDefaultsAndLoadBackThroughTheChecks) {
    PropertyBag bag;
    logic.save(bag);
    EXPECT_EQ(bag.size(), 0);
    sizes(1, 2); // the excess rate per MB
    logic.setMinimumValue(-1);
    logic.setMaximumValue(5);
    logic.setValue(2.5);
    logic.setEnableEnterKey(false);
    logic.save(bag);
    EXPECT_EQ(bag.keys().join(",").toStdString(),
              "IntegerSize,EnableEnterKey,Value,MinimumValue,MaximumValue");

    FakeTextBox other;
    NumberBoxLogic copy(other, messages);
    other.logic = &copy;
    copy.placeNew();
    copy.load(bag);
    EXPECT_EQ(other.text(), "2.50");
    EXPECT_DOUBLE_EQ(copy.MinimumValue() + copy.MaximumValue(), 4);
    EXPECT_FALSE(copy.EnableEnterKey());

    PropertyBag stored; // a size out of range shows the message; unreadable keys are skipped
    stored.write("integersize", 20);
    stored.write("decimalsize", "many");
    copy.load(stored);
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(copy.IntegerSize() * 10 + copy.DecimalSize(), 12);
}
