#pragma once

#include "platform/FixedPoint.h"
#include "report/ReportOutcome.h"

#include <vector>

class Element;

// Bandwidth and charged usage of one detail row, read once and shared by the later passes.
struct RowFigures {
    FixedPoint bandwidthKB;
    FixedPoint chargedKB;
    // The From cell's first ten characters, its day ("2007-03-05"): short enough to be held
    // inside the string for every row of a large month.
    std::string fromDay;
};

// The daily-total cells of the final report. Walking the detail table from the bottom up,
// every run of rows with the same date gets a tenth cell on its topmost row, spanning the run.
class DailyTotals {
public:
    // Adds the cells; `figures` is indexed like `rows`.
    void apply(const std::vector<Element*>& rows, const std::vector<RowFigures>& figures,
               bool nightUnlimitedPlan);

    int dayCount() const { return static_cast<int>(m_days.size()); }
    // The days, top of the report first.
    std::vector<ReportDay> daysTopFirst() const;
    // Usage of the topmost run (its charged part with the night-unlimited plan); nothing
    // when the table has no detail row.
    bool hasLastDay() const { return !m_days.empty(); }
    FixedPoint lastDayUsageKB() const { return m_lastDayUsageKB; }

private:
    void closeRun(Element& topRow, const ReportDay& day, bool nightUnlimitedPlan);

    std::vector<ReportDay> m_days; // bottom first, as they are closed
    FixedPoint m_lastDayUsageKB;
};
