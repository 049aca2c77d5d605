#pragma once

#include "platform/FixedPoint.h"
#include "report/DailyTotals.h"
#include "report/ReportOptions.h"

#include <span>
#include <string>

// The tab-separated daily chart data of the report: a line of day numbers, then "NonFree"
// and "Free" lines of megabytes per day; the second text adds an "Avg" column. Built from the
// kept rows, bottom up, so the days come out oldest first.
struct ChartTexts {
    std::string mstrChartData;
    std::string mstrChartDataAvg;
    std::string averagePerDay; // the lblAverage text; empty when there is no day

    // From the kept rows (top of the report first) and their days.
    static ChartTexts build(std::span<const RowFigures> kept, const DailyTotals& daily,
                            const ReportOptions& options);
};
