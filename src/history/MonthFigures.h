#pragma once

#include "platform/CivilDateTime.h"
#include "platform/FixedPoint.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One day of a stored month: every row whose From text begins with that date. Charged is what
// the portal charged; free is the rest, the usage in the free night hours.
struct DayFigures {
    std::string date; // "2007-03-05"
    std::int64_t totalKB = 0;
    std::int64_t chargedKB = 0;
    std::int64_t freeKB = 0;
};

// What the history keeps of a month: its totals over all rows, as the report adds them up.
struct MonthFigures {
    int rows = 0;
    std::int64_t totalKB = 0;
    std::int64_t chargedKB = 0;
    std::int64_t freeKB = 0;
    int daysRecorded = 0;
    std::optional<CivilDateTime> lastRecorded; // none for a month without rows

    // The month's usage per day recorded, in MB; 0 without a day.
    FixedPoint averageMBPerDay() const {
        return daysRecorded > 0 ? FixedPoint(totalKB).dividedBy(1024).dividedBy(daysRecorded)
                                : FixedPoint();
    }
};

// A month file read: its figures and its days, oldest first.
struct MonthReading {
    MonthFigures figures;
    std::vector<DayFigures> days;
};
