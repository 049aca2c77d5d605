#pragma once

#include <QString>

// Chart texts as the report builder writes them: a line of day numbers, then "NonFree" and
// "Free" lines of megabytes with two decimals, and the "Avg" column; TAB between cells, CR LF
// between lines.
namespace SampleChartText {

// A 31-day month with both series (night-unlimited plan) and their averages; every day has
// more than 12 MB.
inline QString month() {
    QString header;
    QString nonFree = QStringLiteral("NonFree");
    QString free = QStringLiteral("Free");
    for (int day = 1; day <= 31; ++day) {
        header += QStringLiteral("\t%1").arg(day, 2, 10, QLatin1Char('0'));
        nonFree += QLatin1Char('\t') + QString::number(12 + day * 37 % 61 + day % 4 * 0.25, 'f', 2);
        free += QLatin1Char('\t') + QString::number(day * 13 % 29 + day % 2 * 0.5, 'f', 2);
    }
    return header + QStringLiteral("\tAvg\r\n") + nonFree + QStringLiteral("\t43.58\r\n") + free +
           QStringLiteral("\t14.61");
}

} // namespace SampleChartText
