#pragma once

#include "portal-sim/SimConfig.h"
#include "portal-sim/SimRow.h"

#include <string>
#include <string_view>
#include <vector>

// What one record page shows.
struct SimRecordPage {
    SimMonth month;
    std::string userName; // Latin-1
    std::int64_t monthSendKB = 0;
    std::int64_t monthReceiveKB = 0;
    std::vector<SimRow> rows; // this page's rows, newest first
    int pageNumber = 1;
    int pageCount = 1;
};

// How this one page goes wrong, if at all.
struct SimRecordPageFaults {
    SimMalformedRow malformedRow = SimMalformedRow::None;
    bool truncated = false;
    bool changedLayout = false;
    bool nextPageBack = false; // "Next Page" leads back to page 1
};

// Writes the record frame's document: tables 0 to 4 with the month totals in table 3 and
// the log rows in table 4, the month text at element 34 and the page links below.
class SimRecordPageWriter {
public:
    static std::string write(const SimRecordPage& page, const SimRecordPageFaults& faults = {});

    // A point inside the rows table of a written page, where a cut-off transfer ends.
    static std::size_t cutPoint(std::string_view html);

    // One log row, stripe "td01" for even positions on the page and "td02" for odd ones.
    // The class comes first and unquoted, followed by a blank, as the portal always wrote it.
    static std::string rowHtml(const SimRow& row, int positionOnPage,
                               SimMalformedRow malformed = SimMalformedRow::None);
    static void appendRowHtml(std::string& out, const SimRow& row, int positionOnPage,
                              SimMalformedRow malformed = SimMalformedRow::None);

    // Kilobytes as gigabytes with three decimals, as the portal rounds its totals.
    static std::string gigabytesText(std::int64_t kilobytes);

    static std::string pageAddress(SimMonth month, int page);

    static constexpr std::string_view service = "ADSL";
    static constexpr std::string_view nextPageText = "Next Page";
};
