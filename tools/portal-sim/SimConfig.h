#pragma once

#include <QDate>
#include <cstdint>
#include <string>

// How the record pages reach the browser.
enum class SimLayout {
    // the query form and the record pages stay inside frame 0 of the service-record page
    Framed,
    // the query form targets _top: each result arrives as a new top document whose
    // iframe holds the record page, and "Next Page" moves only that iframe
    ExternalStyle,
};

// How a row on the malformed page is spoilt.
enum class SimMalformedRow {
    None,
    BadFrom,      // the From cell is not a date-time
    BadBandwidth, // the bandwidth cell is not a number
};

// The misbehaviours the portal can be switched into. Page numbers count from 1 and apply to
// every month; 0 turns the fault off.
struct SimFaults {
    bool rejectLogins = false; // every login fails as if the password were wrong
    int expireAfterPages = 0;  // the session ends once this many record pages were shown
    int delayMs = 0;           // every answer waits this long
    int http500OnPage = 0;     // the record page with this number answers 500
    int truncatedPage = 0;     // the record page with this number is cut inside its rows
    bool truncateByDroppingConnection = false; // cut mid-transfer instead of sending short HTML
    int malformedRowPage = 0;                  // a row of this record page is spoilt ...
    SimMalformedRow malformedRow = SimMalformedRow::BadFrom; // ... this way
    bool changedLayout = false; // record pages no longer show the month at element 34
    // Once per session, right after record page N of the current month is sent, this many
    // newer rows arrive: the rest of that walk finds its rows pushed down.
    int rowsArriveAfterPage = 0;
    int rowsArriving = 0;
    int nextPageBackFrom = 0; // the "Next Page" link of record page N leads back to page 1
    bool loginFormWithoutMethod = false; // the login form names no method: it would GET

    friend bool operator==(const SimFaults&, const SimFaults&) = default;
};

// Everything the simulated portal is built from. Texts are UTF-8; pages go out in Latin-1.
struct SimConfig {
    std::uint64_t seed = 1;
    int pageSize = 20;      // log rows per record page
    int rowsPerMonth = 400; // rows of a full month (the current month holds those up to now)
    QDate today = QDate::currentDate();
    int nowSecondsOfDay = 12 * 3600; // the current month lists what ended by this time today
    std::string userName = "demo";
    std::string password = "demo";
    SimLayout layout = SimLayout::Framed;
    // Every page is titled "portal", as some portals title theirs; otherwise only the login
    // page is, and the others carry titles of their own.
    bool everyPageTitledPortal = false;
    SimFaults faults;
};
