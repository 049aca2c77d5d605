#pragma once

#include "platform/NumberFormat.h"

#include <QString>

// Chart texts as the report builder writes them: a line of day numbers, then "NonFree" and
// "Free" lines of megabytes with two decimals, and the "Avg" column; TAB between cells, CR LF
// between lines.
namespace SampleChartText {

inline QString cell(double value) {
    return QString::fromStdString(NumberFormat::decimals(value, 2));
}

// A month of `days` days with both series (night-unlimited plan) and their averages.
inline QString month(int days = 31) {
    QString header;
    QString nonFree = QStringLiteral("NonFree");
    QString free = QStringLiteral("Free");
    double nonFreeSum = 0;
    double freeSum = 0;
    for (int day = 1; day <= days; ++day) {
        const double nf = 12 + (day * 37 % 61) + (day % 4) * 0.25;
        const double f = (day * 13 % 29) + (day % 2) * 0.5;
        header += QLatin1Char('\t') + QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
        nonFree += QLatin1Char('\t') + cell(nf);
        free += QLatin1Char('\t') + cell(f);
        nonFreeSum += nf;
        freeSum += f;
    }
    auto average = [days](double sum) {
        return QString::fromStdString(NumberFormat::general(
            QString::fromStdString(NumberFormat::decimals(sum / days, 2)).toDouble()));
    };
    return header + QStringLiteral("\tAvg\r\n") + nonFree + QLatin1Char('\t') +
           average(nonFreeSum) + QStringLiteral("\r\n") + free + QLatin1Char('\t') +
           average(freeSum);
}

} // namespace SampleChartText
