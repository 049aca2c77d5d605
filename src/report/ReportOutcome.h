#pragma once

#include "platform/FixedPoint.h"
#include "report/ReportResultView.h"
#include "report/UsageType.h"

#include <string>
#include <vector>

// One day of the report (a run of rows with the same date), as the daily-total cell shows it.
struct ReportDay {
    std::string date; // the first ten characters of the From text
    int rows = 0;
    FixedPoint totalKB;
    FixedPoint chargedKB;
    FixedPoint freeKB;
};

// Everything one WriteOutput produced, for the command line and for tests: the texts put
// into the template, the totals, the days (top of the report first) and the class of every
// row read.
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
    std::vector<UsageType> classes;
};
