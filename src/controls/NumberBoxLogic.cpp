#include "controls/NumberBoxLogic.h"

#include "controls/DesignValue.h"
#include "controls/NumberText.h"
#include "platform/MessagePresenter.h"
#include "platform/PropertyBag.h"

#include <cmath>

namespace {

constexpr int Enter = 13;
constexpr int Blank = 32;

// The text a typed character would leave: the selection replaced by it.
QString textWithKey(const NumberTextBox& box, QChar character) {
    QString text = box.text();
    text.replace(box.caret(), box.selectionLength(), character);
    return text;
}

} // namespace

NumberBoxLogic::NumberBoxLogic(NumberTextBox& box, MessagePresenter& messages)
    : m_box(box)
    , m_messages(messages) {}

void NumberBoxLogic::placeNew() {
    m_integerSize = 5;
    setDecimalSize(2);
    setValue(0);
    m_maximumValue = m_largest;
    m_minimumValue = 0;
    m_enableEnterKey = true;
    m_invalidRange = false;
}

void NumberBoxLogic::invalidPropertyValue() {
    m_messages.show("Invalid property value", "NumberBox", MessageIcon::Critical);
}

void NumberBoxLogic::setIntegerSize(int size) {
    if (size < 1 || size > 12) {
        invalidPropertyValue();
        return;
    }
    m_integerSize = size;
    UpdateLimits();
}

void NumberBoxLogic::setDecimalSize(int size) {
    if (size > 9) {
        invalidPropertyValue();
        return;
    }
    m_decimalSize = size;
    UpdateLimits();
    m_box.setText(NumberText::format(Value(), m_decimalSize));
}

QString NumberBoxLogic::formatPattern() const {
    return m_decimalSize < 1 ? QStringLiteral("0") : "0." + QString(m_decimalSize, '0');
}

double NumberBoxLogic::Value() const {
    return NumberText::leadingValue(m_box.text());
}

void NumberBoxLogic::setValue(double value) {
    m_box.setText(NumberText::format(value, m_decimalSize));
}

void NumberBoxLogic::setMaximumValue(double value) {
    if (value > m_largest) {
        invalidPropertyValue();
        return;
    }
    m_maximumValue = value;
}

void NumberBoxLogic::setMinimumValue(double value) {
    if (value < m_smallest) {
        invalidPropertyValue();
        return;
    }
    m_minimumValue = value;
}

void NumberBoxLogic::UpdateLimits() {
    const double oldSmallest = m_smallest;
    const QString nines = NumberText::RepeatString("9", m_integerSize) + "." +
                          NumberText::RepeatString("9", m_decimalSize);
    m_largest = NumberText::leadingValue(nines);
    m_smallest = NumberText::leadingValue("-" + nines);
    // a minimum that sat at the old bottom follows to the new bottom
    if (m_minimumValue <= oldSmallest) {
        setMinimumValue(m_smallest);
    }
    if (m_maximumValue != m_largest) {
        setMaximumValue(m_largest);
    }
}

bool NumberBoxLogic::KeyFitsLimits(const QString& text, QChar character) const {
    if (m_box.selectionLength() == text.size() || character == '.' || character == '-') {
        return true;
    }
    const auto parts = NumberText::split(text);
    const int caret = m_box.caret();
    return (parts.decimalDigits.size() < m_decimalSize || caret < parts.pointPosition) &&
           (parts.integerDigits.size() < m_integerSize || caret >= parts.pointPosition);
}

bool NumberBoxLogic::keyResultReadsAsNumber(QChar character) const {
    // Judged on the text the key would leave, not on the text with the key appended: a digit
    // typed in front of a "-" would otherwise pass and leave "5-12" in the box.
    return NumberText::readsAsNumber(textWithKey(m_box, character));
}

int NumberBoxLogic::KeyPress(int keyAscii) {
    if (keyAscii == Enter) {
        if (m_enableEnterKey) {
            m_box.focusNext();
        }
        return 0;
    }
    if (keyAscii < Blank) {
        return keyAscii;
    }
    if (keyAscii > 0xFFFF) {
        return 0;
    }
    const QChar character(static_cast<char16_t>(keyAscii));
    if (character == '.') {
        if (m_decimalSize < 1) {
            return 0;
        }
        if (m_box.text() == "-" || m_box.caret() == 0) {
            m_keyAccepted = true;
            m_box.setText("0.");
            m_box.setSelection(2, 0);
            return 0;
        }
        if (m_box.selectedText().contains('.')) {
            return keyAscii;
        }
    } else if (character == '-' && m_box.caret() == 0 && m_minimumValue < 0 &&
               (textWithKey(m_box, character) == "-" || keyResultReadsAsNumber(character))) {
        m_keyAccepted = true;
        return keyAscii;
    }
    if (!KeyFitsLimits(m_box.text(), character) || character == '-' || character == ',' ||
        character == ' ' || !keyResultReadsAsNumber(character)) {
        return 0;
    }
    m_keyAccepted = true;
    return keyAscii;
}

void NumberBoxLogic::trimToSizes(const QString& text) {
    const auto parts = NumberText::split(text);
    const int decimals = m_decimalSize > 0 ? m_decimalSize : 0;
    if (parts.integerDigits.size() <= m_integerSize && parts.decimalDigits.size() <= decimals) {
        return;
    }
    // digits beyond the sizes are cut, not rounded: 1234567.891 keeps 12345.89
    const QString decimalDigits = parts.decimalDigits.left(decimals);
    QString trimmed = parts.signLength ? QStringLiteral("-") : QString();
    trimmed += parts.integerDigits.left(m_integerSize);
    if (!decimalDigits.isEmpty()) {
        trimmed += "." + decimalDigits;
    }
    m_keyAccepted = true;
    m_box.setText(trimmed);
    m_box.setSelection(static_cast<int>(trimmed.size()), 0);
}

void NumberBoxLogic::textChanged() {
    if (m_change) {
        m_change();
    }
    const QString text = m_box.text();
    if (text == "-" || text.isEmpty() || m_keyAccepted) {
        m_keyAccepted = false;
        m_lastGoodText = text;
        return;
    }
    if (!NumberText::readsAsNumber(text)) {
        // Pasted or dropped text that is no number is refused as a whole; what the box held
        // before stays (an empty box stays empty).
        const bool good = m_lastGoodText == "-" || NumberText::readsAsNumber(m_lastGoodText);
        const QString restored = good ? m_lastGoodText : QString();
        m_box.setText(restored);
        m_box.setSelection(static_cast<int>(restored.size()), 0);
        return;
    }
    trimToSizes(text);
    const double value = Value();
    if (value < 0 && m_minimumValue >= 0) {
        m_keyAccepted = true;
        const QString positive = NumberText::format(std::fabs(value), m_decimalSize);
        m_box.setText(positive);
        m_box.setSelection(static_cast<int>(positive.size()), 0);
    }
    m_invalidRange = Value() > m_maximumValue || Value() < m_minimumValue;
    m_lastGoodText = m_box.text();
}

void NumberBoxLogic::gotFocus() {
    m_box.setSelection(0, static_cast<int>(m_box.text().size()));
}

void NumberBoxLogic::lostFocus() {
    if (m_box.text().isEmpty()) {
        m_box.setText("0");
    }
    m_box.setText(NumberText::format(Value(), m_decimalSize));
}

void NumberBoxLogic::load(const PropertyBag& bag) {
    const auto whole = [&](const char* key, long long fallback) {
        const QVariant stored = bag.read(key);
        return stored.isValid() ? DesignValue::toWhole(stored) : std::optional(fallback);
    };
    if (const auto size = whole("IntegerSize", 5); size && std::llabs(*size) < 100000) {
        setIntegerSize(static_cast<int>(*size));
    }
    if (const auto size = whole("DecimalSize", 2); size && std::llabs(*size) < 100000) {
        setDecimalSize(static_cast<int>(*size));
    }
    const QVariant enter = bag.read("EnableEnterKey", true);
    m_enableEnterKey = DesignValue::toBool(enter).value_or(m_enableEnterKey);
    if (const auto value = DesignValue::toNumber(bag.read("Value", 0))) {
        setValue(*value);
    }
    m_minimumValue = DesignValue::toNumber(bag.read("MinimumValue", 0)).value_or(m_minimumValue);
    m_maximumValue =
        DesignValue::toNumber(bag.read("MaximumValue", m_largest)).value_or(m_maximumValue);
}

void NumberBoxLogic::save(PropertyBag& bag) const {
    if (m_integerSize != 5) {
        bag.write("IntegerSize", m_integerSize);
    }
    if (m_decimalSize != 2) {
        bag.write("DecimalSize", m_decimalSize);
    }
    if (!m_enableEnterKey) {
        bag.write("EnableEnterKey", false);
    }
    if (Value() != 0) {
        bag.write("Value", Value());
    }
    if (m_minimumValue != 0) {
        bag.write("MinimumValue", m_minimumValue);
    }
    if (m_maximumValue != m_largest) {
        bag.write("MaximumValue", m_maximumValue);
    }
}
