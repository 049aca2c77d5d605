#include "chart/StackedChartData.h"

#include <algorithm>
#include <array>

StackedChartData StackedChartData::parse(const QString& chartText) {
    StackedChartData data;
    const QStringList lines = chartText.split(QStringLiteral("\r\n"));
    if (lines.isEmpty() || chartText.isEmpty()) {
        return data;
    }
    data.categories = lines.front().split(QLatin1Char('\t')).mid(1);
    const auto count = data.categories.size();
    for (qsizetype l = 1; l < lines.size(); ++l) {
        QStringList cells = lines[l].split(QLatin1Char('\t'));
        StackedSeries series;
        series.name = cells.takeFirst();
        series.texts = cells.mid(0, count);
        while (series.texts.size() < count) {
            series.texts.append(QString());
        }
        for (const QString& text : std::as_const(series.texts)) {
            bool ok = false;
            const double value = text.trimmed().toDouble(&ok);
            series.values.push_back(ok ? value : 0);
        }
        data.series.push_back(std::move(series));
    }
    return data;
}

double StackedChartData::largestStack() const {
    double largest = 0;
    for (qsizetype c = 0; c < categories.size(); ++c) {
        double stack = 0;
        for (const StackedSeries& s : series) {
            stack += std::max(0.0, s.values[static_cast<std::size_t>(c)]);
        }
        largest = std::max(largest, stack);
    }
    return largest;
}

std::uint32_t StackedChartColors::defaultColor(std::size_t seriesIndex) {
    // the office chart's first default fills: periwinkle, plum, ivory, light turquoise
    static constexpr std::array<std::uint32_t, 4> palette{0x00FF9999u, 0x00663399u, 0x00CCFFFFu,
                                                          0x00FFFFCCu};
    return palette[seriesIndex % palette.size()];
}

void StackedChartColors::apply(StackedChartData& data, const StackedColorOptions& options) {
    for (std::size_t i = 0; i < data.series.size(); ++i) {
        data.series[i].color = defaultColor(i);
    }
    const auto colour = [&data](const QString& name, std::uint32_t value) {
        const auto found = std::find_if(data.series.begin(), data.series.end(),
                                        [&name](const StackedSeries& s) { return s.name == name; });
        if (found == data.series.end()) {
            return false;
        }
        found->color = value;
        return true;
    };
    if (!options.mblnExcludeNonFree &&
        !colour(QStringLiteral("NonFree"), options.mlngChartColorNonFree)) {
        return;
    }
    if (options.mblnNightUnlimitedPlan && !options.mblnExcludeFree) {
        colour(QStringLiteral("Free"), options.mlngChartColorFree);
    }
}
