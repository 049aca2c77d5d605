#pragma once

#include "platform/FixedPoint.h"

#include <memory>
#include <string>
#include <vector>

class Document;

// The rows of one month as the page walk or a stored month delivered them.
struct MonthRecord {
    std::string mstrRows;      // outer HTML of the log rows, concatenated, newest first
    std::string mstrMonthYear; // "2007-03"
    FixedPoint mcurSiteTotal;  // the portal's own total in GB; 0 when unknown
    // The same rows already parsed, when the walk has them (see MonthRows): the rows of these
    // documents one after the other, so the report takes them (moved when it holds the only
    // reference, else copied) instead of parsing the text again; none: the report parses
    // mstrRows.
    std::vector<std::shared_ptr<Document>> rowNodes = {};
};
