#pragma once

#include "platform/CivilDateTime.h"

#include <cstdint>
#include <string>

// What a report hands on about its month, whatever the exclusions: the totals over all rows,
// the last recorded day and that day's usage, and the month itself. The result window keeps
// them as its members and the summary and bill work from them. 64-bit: 32-bit totals would
// overflow above 2 TB.
struct MonthTotals {
    std::int64_t mlngTotalBandwidthKB = 0;
    std::int64_t mlngTotalChargedKB = 0;
    // The report builder starts from 1 January 2000 before it looks at the rows.
    CivilDateTime mdtLastRecordedDate = CivilDateTime::fromParts(2000, 1, 1);
    std::int64_t mlngLastDayUsageKB = 0;
    // "2007-03": the month the rows belong to. The summary itself works from
    // mdtLastRecordedDate; the month-end projection and printed headings use this.
    std::string mstrMonthYear;
};
