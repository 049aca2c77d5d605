#include "chart/ValueFormat.h"

#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

struct DigitPattern {
    QString prefix;
    QString suffix;
    int minimumWhole = 0;
    int fixedDecimals = 0;
    int optionalDecimals = 0;
    bool grouped = false;
    bool percent = false;
};

bool isDigitChar(QChar c) {
    return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.') ||
           c == QLatin1Char(',');
}

DigitPattern parse(const QString& pattern) {
    DigitPattern parsed;
    qsizetype start = 0;
    while (start < pattern.size() && !isDigitChar(pattern[start])) {
        ++start;
    }
    qsizetype end = start;
    while (end < pattern.size() && isDigitChar(pattern[end])) {
        ++end;
    }
    parsed.prefix = pattern.left(start);
    parsed.suffix = pattern.mid(end);
    parsed.percent = pattern.contains(QLatin1Char('%'));
    const QString digits = pattern.mid(start, end - start);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    parsed.minimumWhole = static_cast<int>(whole.count(QLatin1Char('0')));
    parsed.grouped = whole.contains(QLatin1Char(','));
    parsed.fixedDecimals = static_cast<int>(fraction.count(QLatin1Char('0')));
    parsed.optionalDecimals = static_cast<int>(fraction.count(QLatin1Char('#')));
    return parsed;
}

QString groupThousands(const QString& whole) {
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) {
            grouped += QLatin1Char(',');
        }
        grouped += whole[i];
    }
    return grouped;
}

QString namedPattern(const QString& pattern) {
    if (pattern.compare(QLatin1String("Fixed"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("0.00");
    }
    if (pattern.compare(QLatin1String("Standard"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("#,##0.00");
    }
    if (pattern.compare(QLatin1String("Percent"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("0.00%");
    }
    return pattern;
}

} // namespace

QString ValueFormat::format(double value, const QString& pattern) {
    const QString firstSection = namedPattern(pattern.section(QLatin1Char(';'), 0, 0));
    if (firstSection.isEmpty() ||
        firstSection.compare(QLatin1String("General Number"), Qt::CaseInsensitive) == 0) {
        return QString::fromStdString(NumberFormat::general(value));
    }
    const DigitPattern parsed = parse(firstSection);
    const double shown = parsed.percent ? value * 100 : value;
    const int decimals = parsed.fixedDecimals + parsed.optionalDecimals;
    QString digits = QString::fromStdString(NumberFormat::decimals(std::fabs(shown), decimals));
    const bool negative = shown < 0 && std::any_of(digits.begin(), digits.end(), [](QChar c) {
                              return c >= QLatin1Char('1') && c <= QLatin1Char('9');
                          });
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? digits : digits.left(point);
    QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    while (fraction.size() > parsed.fixedDecimals && fraction.endsWith(QLatin1Char('0'))) {
        fraction.chop(1);
    }
    if (whole == QLatin1String("0") && parsed.minimumWhole == 0) {
        whole.clear();
    }
    while (whole.size() < parsed.minimumWhole) {
        whole.prepend(QLatin1Char('0'));
    }
    if (parsed.grouped) {
        whole = groupThousands(whole);
    }
    QString body = fraction.isEmpty() ? whole : whole + QLatin1Char('.') + fraction;
    if (body.isEmpty()) {
        body = QStringLiteral("0");
    }
    return (negative ? QStringLiteral("-") : QString()) + parsed.prefix + body + parsed.suffix;
}
