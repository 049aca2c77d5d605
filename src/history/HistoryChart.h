#pragma once

#include "chart/StackedChartData.h"
#include "history/MonthHistory.h"

#include <vector>

// The history as the stacked-column chart draws it: one column per month, oldest on the left,
// its charged volume at the bottom and its free volume on top, in MB, the month under it
// (with the user when the months are of several users).
namespace HistoryChart {

StackedChartData data(const std::vector<HistoryMonth>& months);
// "Monthly usage", with the user when the months are of one.
QString title(const std::vector<HistoryMonth>& months);

} // namespace HistoryChart
