#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// One series of the stacked chart: its name, its values per day and the texts they came
// from (the data table shows the texts as the report wrote them), and its fill colour.
struct StackedSeries {
    QString name;
    std::vector<double> values;
    QStringList texts;
    std::uint32_t color = 0;
};

// What the stacked-column chart ("Chart Type 2") shows: the days along the bottom and one
// series per line of the chart text, stacked in text order (the first at the bottom).
struct StackedChartData {
    QStringList categories;
    std::vector<StackedSeries> series;

    // The report's tab-separated chart text: a line of day numbers (first cell empty), then
    // one line per series, its name first. Cells that do not read as a number count as 0
    // and show as written; a short line is padded with empty cells.
    static StackedChartData parse(const QString& chartText);

    // The height of the tallest stack (negative values are not stacked).
    double largestStack() const;
};

// The series colours: each series first takes the chart's default colour for its place,
// then the user's colours where the options allow them: "NonFree" unless non-free usage is
// excluded, "Free" only on the night-unlimited plan and unless free usage is excluded. A
// rule that names a series the text lacks stops the colouring there, as the office chart's
// formatting did.
struct StackedColorOptions {
    bool mblnExcludeNonFree = false;
    bool mblnExcludeFree = false;
    bool mblnNightUnlimitedPlan = false;
    std::uint32_t mlngChartColorNonFree = 0;
    std::uint32_t mlngChartColorFree = 0;
};

namespace StackedChartColors {

std::uint32_t defaultColor(std::size_t seriesIndex);
void apply(StackedChartData& data, const StackedColorOptions& options);

} // namespace StackedChartColors
