#include "controls/NumberBoxLogic.h"

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

// The result window's boxes: charge 5.0, limit 10.0 and rate 1.2 digits, never negative.
TEST_F(NumberBoxLogicTest, DigitsStopAtTheSizesAndOnlyDigitsAndOnePointPass) {
    box.type("-123456.678");
    EXPECT_EQ(box.text(), "12345.67"); // minimum 0: no sign
    box.setSelection(0, 0);
    box.type("9, ");
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
    } cases[] = {{"", 0, 2, "0."},
                 {"123", 0, 2, "0."},
                 {"123", 1, 2, "1.23"},
                 {"1.5", 3, 2, "1.5"},
                 {"12", 2, 0, "12"}}; // a point needs room for decimals
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
    logic.setValue(-3); // a stored value too
    EXPECT_EQ(box.text(), "3.00");
    logic.setValue(2.005);
    EXPECT_EQ(box.text(), "2.01"); // halves away from zero
}

TEST_F(NumberBoxLogicTest, FocusSelectsAllLeavingFormatsAndEnterMovesOnWithoutTyping) {
    logic.lostFocus();
    EXPECT_EQ(box.text(), "0.00");
    logic.gotFocus();
    EXPECT_EQ(box.selectionLength(), 4);
    sizes(5, 0);
    logic.lostFocus();
    EXPECT_EQ(box.text(), "0");
    sizes(5, 0);
    box.type("7\r");
    EXPECT_EQ(box.focusMoves, 1);
    EXPECT_EQ(box.text(), "7");
    EXPECT_EQ(logic.KeyPress(8), 8); // Backspace passes to the box
}
