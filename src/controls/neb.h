#pragma once

#include "controls/NumberBoxLogic.h"

#include <QWidget>
#include <cstdint>

class MessagePresenter;
class PropertyBag;
class QLineEdit;

// The numeric entry box: one line edit (txtNeb) filling the control, whose keystrokes, pastes
// and focus changes go through NumberBoxLogic, which holds every rule.
class neb : public QWidget, private NumberTextBox {
    Q_OBJECT

public:
    static constexpr std::uint32_t WindowBackground = 0x80000005u;
    static constexpr std::uint32_t WindowText = 0x80000008u;
    static constexpr std::uint32_t GrayText = 0x80000011u;

    // `messages` shows "Invalid property value" for refused assignments.
    explicit neb(MessagePresenter& messages, QWidget* parent = nullptr);

    // IntegerSize, DecimalSize, EnableEnterKey, MaximumValue, MinimumValue, InvalidRange.
    NumberBoxLogic& properties() { return m_logic; }
    const NumberBoxLogic& properties() const { return m_logic; }
    double Value() const { return m_logic.Value(); }
    void setValue(double value) { m_logic.setValue(value); }
    bool InvalidRange() const { return m_logic.InvalidRange(); }

    std::uint32_t BackColor() const { return m_backColor; }
    void setBackColor(std::uint32_t color);
    std::uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(std::uint32_t color);
    QLineEdit* textBox() const { return m_textBox; }

    void load(const PropertyBag& bag);
    void save(PropertyBag& bag) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void KeyDown(int KeyCode, int Shift);
    // The host may change the key or cancel it by setting it to 0.
    void KeyPress(int& KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // NumberTextBox over the line edit
    QString text() const override;
    void setText(const QString& text) override;
    int caret() const override;
    int selectionLength() const override;
    void setSelection(int start, int length) override;
    void focusNext() override;

    bool filterKey(QKeyEvent* event);
    void applyColors();

    QLineEdit* m_textBox;
    NumberBoxLogic m_logic;
    std::uint32_t m_backColor = WindowBackground;
    std::uint32_t m_foreColor = WindowText;
    bool m_loading = false;
};
