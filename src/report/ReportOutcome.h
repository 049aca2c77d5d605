#pragma once

#include "platform/FixedPoint.h"
#include "report/ChartTexts.h"
#include "report/MonthTotals.h"
#include "report/UsageType.h"

#include <string>
#include <vector>

// Everything one WriteOutput produced: the texts put into the template, the totals, the days
// (top of the report first), the chart texts and the class of every row read.
struct ReportOutcome {
    int rowsRead = 0;
    int rowsKept = 0;
    FixedPoint keptKB;
    MonthTotals totals;
    std::string kbText;
    std::string mbText;
    std::string gbText;
    std::string monthYearText;
    std::string note;
    std::vector<ReportDay> days;
    std::string averagePerDay; // the lblAverage text; empty when there is no day
    ChartTexts chart;
    std::vector<UsageType> classes;
};
