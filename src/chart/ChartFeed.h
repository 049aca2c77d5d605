#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class XChartModel;

// What the built-in daily chart is made of: the chart text with its "Avg" column, the month
// and the bar colour chosen by the user, and the plan's daily allowance (its limit spread over
// the month's days; none without a limit) for the allowance line.
struct ChartFeedInput {
    QString mstrChartDataAvg;
    QString mstrMonthYear;
    std::uint32_t mlngInbuiltChartColor = 0;
    std::optional<double> dailyAllowanceMB = std::nullopt;
};

// Feeding the built-in chart from the report's chart text, for the result window and for
// chart images made from the command line.
namespace ChartFeed {

// Both chart types are titled this, followed by the month ("2007-03").
inline constexpr const char* TitlePrefix = "Netravo Usage Chart for ";

// Component 1 (red), 2 (green) or 3 (blue) of an RGB colour; -1 for a system colour or
// another index.
int GetRGB(std::uint32_t colour, int index);
// A colour 30 steps darker (or lighter, for a dark component): the selected bar's colour.
std::uint32_t ChangeColor(int red, int green, int blue);

// Rebuilds the chart's items and look from the chart text, unless `mblnChartUpToDate` is
// already set; sets it when done. The allowance line gets its value and caption; while the
// chart's AllowanceOn is set the value scale reaches up to the line too. On a malformed text it
// stops, keeps the items added so far, leaves the flag clear and throws a Failure saying what is
// wrong with the text. `setToolTip` receives the chart's cleared tool tip.
void UpdateGraphControl(XChartModel& chart, const ChartFeedInput& input, bool& mblnChartUpToDate,
                        const std::function<void(const QString&)>& setToolTip = {});

} // namespace ChartFeed
