#pragma once

#include <QString>

// How an entry box reads and writes numbers: "." is the only decimal separator whatever the
// locale, there is no grouping, and only an optional leading "-" may sign a number.
namespace NumberText {

// The whole text is a decimal number: optional leading "-", at least one digit, at most
// one ".".
bool readsAsNumber(const QString& text);
// The longest leading part that forms a number ("12.5abc" gives 12.5), or 0.
double leadingValue(const QString& text);
// `value` with exactly max(decimals, 0) decimals, halves away from zero.
QString format(double value, int decimals);
// `count` copies of `text` ("" for a count below 1).
QString RepeatString(const QString& text, int count);

// A number text cut into its sign, its digits before the point and after it. The sign is
// counted when the text holds a "-" anywhere, and then taken to be the first character.
struct Parts {
    int signLength = 0;
    int pointPosition = 0; // 1-based position of ".", or length + 1 without one
    QString integerDigits;
    QString decimalDigits;
};
Parts split(const QString& text);

} // namespace NumberText
