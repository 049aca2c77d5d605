#pragma once

#include "platform/FixedPoint.h"
#include "report/DailyTotals.h"
#include "report/ReportOptions.h"

#include <string>
#include <vector>

class Element;

// The tab-separated daily chart data of the report: a line of day numbers, then "NonFree"
// and "Free" lines of megabytes per day; the second text adds an "Avg" column. Built from the
// final detail table, bottom up, so the days come out oldest first.
struct ChartTexts {
    std::string mstrChartData;
    std::string mstrChartDataAvg;
    std::string averagePerDay; // the lblAverage text; empty when there is no day

    static ChartTexts build(const std::vector<Element*>& rows,
                            const std::vector<RowFigures>& figures, int dayCount,
                            const ReportOptions& options);
};
