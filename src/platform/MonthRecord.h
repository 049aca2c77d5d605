#pragma once

#include "platform/FixedPoint.h"

#include <string>

// The rows of one month as the page walk or a stored month delivered them.
struct MonthRecord {
    std::string mstrRows;      // outer HTML of the log rows, concatenated, newest first
    std::string mstrMonthYear; // "2007-03"
    FixedPoint mcurSiteTotal;  // the portal's own total in GB; 0 when unknown
};
