#pragma once

#include "report/ReportBuilder.h"
#include "retrieval/PortalSession.h"
#include "retrieval/RunMessage.h"

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class Browser;
class ProgressLine;

// How one portal run ended, for the command line.
struct CheckOutcome {
    std::optional<MonthRecord> month; // set when the run finished
    RunMessage failure;               // why not, otherwise
    std::vector<RunMessage> notices;  // shown on the way
    int pagesFetched = 0;             // record pages handed to the walk
    std::string userName;             // the portal user (read from the page when attached)
    std::string attachedWindow;       // the address of the user's window walked, if any
    QString monthFile;                // the month file the walk kept, with caching on
    int rowsTaken = 0;
    double seconds = 0;
};

// Runs a portal check to its end (the "Password Version" on the given browser, the "Non
// Password Version" in the user's own browser): the session advances on
// the browser's events inside an event loop, which needs a QCoreApplication.
namespace PortalCheck {

CheckOutcome run(Browser& browser, const RunRequest& request, std::chrono::milliseconds timeout,
                 ProgressLine& progress);
// The same, handing every progress step with its session to `onProgress` (which may act on
// the run, as a test does to break it half-way).
CheckOutcome run(Browser& browser, const RunRequest& request, std::chrono::milliseconds timeout,
                 const std::function<void(PortalSession&, const RunProgress&)>& onProgress);

} // namespace PortalCheck
