#pragma once

#include "chart/StackedChartGeometry.h"
#include "history/MonthHistory.h"

#include <vector>

// The history as the stacked-column chart draws it: one column per month, oldest on the left,
// its charged volume at the bottom and its free volume on top, in MB, the month under it
// (with the user when the months are of several users).
namespace HistoryChart {

StackedChartData data(const std::vector<HistoryMonth>& months);
// Titled "Monthly usage" (of the user, when the months are of one), with the figures in a
// table under the columns while a year's months leave them room to be read.
StackedChartStyle style(const std::vector<HistoryMonth>& months);

} // namespace HistoryChart
