#include "history/HistoryChart.h"

#include "platform/NumberFormat.h"
#include "report/ReportOptions.h"

#include <algorithm>

namespace {

bool oneUser(const std::vector<HistoryMonth>& months) {
    return std::all_of(months.begin(), months.end(), [&months](const HistoryMonth& month) {
        return month.user == months.front().user;
    });
}

void addValue(StackedSeries& series, std::int64_t kilobytes) {
    const FixedPoint megabytes = FixedPoint(kilobytes).dividedBy(1024);
    series.values.push_back(megabytes.toDouble());
    series.texts.append(QString::fromStdString(NumberFormat::decimals(megabytes, 2)));
}

} // namespace

StackedChartData HistoryChart::data(const std::vector<HistoryMonth>& months) {
    const ReportOptions colours;
    StackedChartData data;
    StackedSeries charged{QStringLiteral("Charged"), {}, {}, colours.mlngChartColorNonFree};
    StackedSeries free{QStringLiteral("Free"), {}, {}, colours.mlngChartColorFree};
    const bool labelUser = !oneUser(months);
    for (auto month = months.rbegin(); month != months.rend(); ++month) {
        QString label = QString::fromStdString(month->month);
        if (labelUser) {
            label += ' ' + QString::fromStdString(month->user);
        }
        data.categories.append(label);
        addValue(charged, month->figures.chargedKB);
        addValue(free, month->figures.freeKB);
    }
    data.series = {std::move(charged), std::move(free)};
    return data;
}

StackedChartStyle HistoryChart::style(const std::vector<HistoryMonth>& months) {
    StackedChartStyle style;
    style.title =
        !months.empty() && oneUser(months)
            ? QStringLiteral("Monthly usage of %1").arg(QString::fromStdString(months.front().user))
            : QStringLiteral("Monthly usage");
    style.showDataTable = months.size() <= 12;
    return style;
}
