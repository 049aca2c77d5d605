#pragma once

#include <QString>

// The one-line text box under a numeric entry box, as its rules see it: text, caret and
// selection. Setting the text notifies a change, as a real box does, also while a change is
// being handled.
class NumberTextBox {
public:
    virtual ~NumberTextBox() = default;

    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // 0-based caret position; the selection starts there.
    virtual int caret() const = 0;
    virtual int selectionLength() const = 0;
    virtual void setSelection(int start, int length) = 0;
    // Moves the keyboard focus on as the Tab key would.
    virtual void focusNext() = 0;

    QString selectedText() const { return text().mid(caret(), selectionLength()); }
};
