#include "controls/NumberText.h"

#include "platform/NumberFormat.h"

bool NumberText::readsAsNumber(const QString& text) {
    int digits = 0;
    int points = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isDigit() && ch.unicode() < 128) {
            ++digits;
        } else if (ch == '.') {
            ++points;
        } else if (ch != '-' || i != 0) {
            return false;
        }
    }
    return digits > 0 && points <= 1;
}

double NumberText::leadingValue(const QString& text) {
    int end = text.startsWith('-') ? 1 : 0;
    bool point = false;
    int digits = 0;
    for (; end < text.size(); ++end) {
        const QChar ch = text[end];
        if (ch == '.' && !point) {
            point = true;
        } else if (ch.unicode() >= '0' && ch.unicode() <= '9') {
            ++digits;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return 0;
    }
    const QString number = text.left(end);
    // QString::toDouble ignores the locale; it wants no trailing point.
    return number.endsWith('.') ? number.chopped(1).toDouble() : number.toDouble();
}

QString NumberText::format(double value, int decimals) {
    return QString::fromStdString(NumberFormat::decimals(value, decimals > 0 ? decimals : 0));
}

QString NumberText::RepeatString(const QString& text, int count) {
    return count < 1 ? QString() : text.repeated(count);
}

NumberText::Parts NumberText::split(const QString& text) {
    Parts parts;
    parts.signLength = text.contains('-') ? 1 : 0;
    const int point = text.indexOf('.');
    parts.pointPosition = point < 0 ? static_cast<int>(text.size()) + 1 : point + 1;
    parts.integerDigits = text.mid(parts.signLength, parts.pointPosition - 1 - parts.signLength);
    parts.decimalDigits = point < 0 ? QString() : text.mid(point + 1);
    return parts;
}
