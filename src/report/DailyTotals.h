#pragma once

#include "platform/FixedPoint.h"
#include "report/UsageType.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class Element;

// One day of the report (a run of rows with the same date), as the daily-total cell shows it.
struct ReportDay {
    std::string date; // the first ten characters of the From text
    int rows = 0;
    FixedPoint totalKB;
    FixedPoint chargedKB;
    FixedPoint freeKB;
};

// What the later passes need of one kept detail row, read once: its figures, its day, its
// class and how many cells it had before the daily total.
struct RowFigures {
    FixedPoint bandwidthKB;
    FixedPoint chargedKB;
    // The From cell's first ten characters, its day ("2007-03-05"): short enough to be held
    // inside the string for every row of a large month.
    std::string fromDay;
    UsageType type = UsageType::NonFree;
    std::size_t cellCount = 0;
};

// The daily totals of the final report. Walking the kept rows from the bottom up, every run
// of rows with the same date is a day, and its topmost row gets a tenth cell spanning the run.
class DailyTotals {
public:
    // Works out the days of the kept rows (top of the report first), touching no document.
    void compute(std::span<const RowFigures> kept, bool nightUnlimitedPlan);
    // Adds each day's cell to the topmost row of its run; `keptRows` are indexed like the
    // figures given to compute.
    void decorate(const std::vector<Element*>& keptRows, bool nightUnlimitedPlan) const;

    int dayCount() const { return static_cast<int>(m_runs.size()); }
    // Whether kept row `index` is the topmost of its day: the row that gets the day's cell.
    bool opensDay(std::size_t index) const { return m_opensDay[index]; }
    // The days, top of the report first.
    std::vector<ReportDay> daysTopFirst() const;
    // Usage of the topmost run (its charged part with the night-unlimited plan); nothing
    // when there is no kept row.
    bool hasLastDay() const { return !m_runs.empty(); }
    FixedPoint lastDayUsageKB() const { return m_lastDayUsageKB; }

private:
    struct Run {
        std::size_t topRow;
        ReportDay day;
    };
    std::vector<Run> m_runs; // bottom first, as they are closed
    std::vector<bool> m_opensDay;
    FixedPoint m_lastDayUsageKB;
};
