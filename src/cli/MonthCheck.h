#pragma once

#include "cli/MonthReport.h"
#include "cli/PortalCheck.h"
#include "cli/ReportRequest.h"

#include <iosfwd>
#include <memory>
#include <optional>

// One month checked on the portal and reported, as `veltrix check` and `veltrix demo` do it:
// the run with its progress line, warnings on stderr, then the report with the record pages
// fetched and the portal's own total added to its JSON.
class MonthCheck {
public:
    static constexpr double DefaultTimeoutSeconds = 60;

    MonthCheck(ReportRequest request, RunRequest run);
    ~MonthCheck();

    void setTimeoutSeconds(double seconds) { m_timeoutSeconds = seconds; }
    void setQuiet(bool quiet) { m_quiet = quiet; }

    // Runs the check to its end. A run that ends without a month throws CliError with its
    // message on one line. The password is forgotten either way.
    const CheckOutcome& execute();
    // Builds the report of the month fetched, writes the files asked for and prints the month
    // on `out` (unless the JSON goes to standard output). A raised alert then ends the command
    // with its status (CompletedWithStatus).
    void report(std::ostream& out);

    const MonthReport& monthReport() const { return *m_report; }
    const CheckOutcome& outcome() const { return m_outcome; }

private:
    ReportRequest m_request;
    RunRequest m_run;
    double m_timeoutSeconds = DefaultTimeoutSeconds;
    bool m_quiet = false;
    CheckOutcome m_outcome;
    std::unique_ptr<MonthReport> m_report;
};
