#pragma once

#include "controls/NumberTextBox.h"

#include <QString>
#include <functional>

class MessagePresenter;
class PropertyBag;

// The rules of the numeric entry box: which keystrokes may change the text, how text that
// arrives otherwise is trimmed or refused, the limits that follow the digit counts, the
// reformatting on leaving the box and the persisted design keys. It works on any
// NumberTextBox and needs no display.
class NumberBoxLogic {
public:
    NumberBoxLogic(NumberTextBox& box, MessagePresenter& messages);

    // The state of a box placed new: 5 integer digits, 2 decimals, value 0, range 0 to the
    // largest value, Enter moving on.
    void placeNew();

    // Raised at the start of every change notification, before any repair.
    void setChangeHandler(std::function<void()> handler) { m_change = std::move(handler); }

    int IntegerSize() const { return m_integerSize; }
    void setIntegerSize(int size);
    int DecimalSize() const { return m_decimalSize; }
    void setDecimalSize(int size);
    bool EnableEnterKey() const { return m_enableEnterKey; }
    void setEnableEnterKey(bool enable) { m_enableEnterKey = enable; }
    double Value() const;
    void setValue(double value);
    double MaximumValue() const { return m_maximumValue; }
    void setMaximumValue(double value);
    double MinimumValue() const { return m_minimumValue; }
    void setMinimumValue(double value);
    bool InvalidRange() const { return m_invalidRange; }
    QString formatPattern() const;
    double largestValue() const { return m_largest; }
    double smallestValue() const { return m_smallest; }

    // A key-press of the text box (after the host saw it): the character to let through, or
    // 0 when the keystroke is cancelled.
    int KeyPress(int keyAscii);
    // The caret's part of the number still has room for `character`.
    bool KeyFitsLimits(const QString& text, QChar character) const;
    // Every change notification of the text box.
    void textChanged();
    void gotFocus();
    void lostFocus();

    // Reads IntegerSize, DecimalSize, EnableEnterKey, Value, MinimumValue and MaximumValue;
    // a value that cannot be read is skipped.
    void load(const PropertyBag& bag);
    void save(PropertyBag& bag) const;

private:
    void UpdateLimits();
    void invalidPropertyValue();
    bool keyResultReadsAsNumber(QChar character) const;
    void trimToSizes(const QString& text);

    NumberTextBox& m_box;
    MessagePresenter& m_messages;
    std::function<void()> m_change;
    int m_integerSize = 0;
    int m_decimalSize = 0;
    bool m_enableEnterKey = false;
    double m_maximumValue = 0;
    double m_minimumValue = 0;
    bool m_invalidRange = false;
    bool m_keyAccepted = false;
    double m_smallest = 0;
    double m_largest = 99999.99;
    QString m_lastGoodText;
};
