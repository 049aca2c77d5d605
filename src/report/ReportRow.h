#pragma once

#include "platform/CivilDateTime.h"
#include "platform/Failure.h"
#include "platform/FixedPoint.h"

#include <cstdint>
#include <string>

class Element;

// A report that cannot be built, with a message that names the offending row.
class ReportError : public Failure {
public:
    using Failure::Failure;
};

// No connection moves a petabyte; a larger cell is damage, and the limit keeps the sum of
// any realistic month far inside the fixed-point range.
inline constexpr std::int64_t MaxRowKilobytes = 1'000'000'000'000;

// The figures of one log row that the report reads: From (cell 2), To (cell 3), bandwidth
// (cell 6) and charged usage (cell 8), checked as they are read.
struct ReportRow {
    std::string fromText;
    CivilDateTime from;
    CivilDateTime to;
    FixedPoint bandwidthKB;
    FixedPoint chargedKB;
    bool sameDay = false; // From and To begin with the same date text
    std::size_t cellCount = 0;

    // Reads a row; `position` (1 for the first log row) names it in the error. Throws
    // ReportError when a cell is missing, From or To is not a date-time, or cell 6 or 8 is
    // not a whole number of at most MaxRowKilobytes.
    static ReportRow read(const Element& row, int position);
};

// Reads a cell that must hold a whole number (a sign and digits, nothing else).
bool readWholeNumber(const std::string& text, std::int64_t& number);
