#pragma once

#include "platform/CivilDateTime.h"

#include <cstdint>
#include <string>

// What the report builder hands the summary after each report: the month's totals over all
// rows (exclusions do not change them), the last recorded day and that day's usage. The
// totals are 64-bit so that a month above 2 TB still adds up.
struct SummaryInputs {
    std::int64_t mlngTotalBandwidthKB = 0;
    std::int64_t mlngTotalChargedKB = 0;
    // The report builder starts from 1 January 2000 before it looks at the rows.
    CivilDateTime mdtLastRecordedDate = CivilDateTime::fromParts(2000, 1, 1);
    std::int64_t mlngLastDayUsageKB = 0;
    // "2007-03": the month the rows belong to. The summary itself works from
    // mdtLastRecordedDate; the month-end projection and printed headings use this.
    std::string mstrMonthYear;
};

// The custom plan as the three entry boxes hold it.
struct CustomPlanValues {
    double nebPlanCharge = 0;
    double nebBandWidthLimit = 0;
    double nebRsPerMB = 0;
};
