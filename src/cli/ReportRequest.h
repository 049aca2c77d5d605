#pragma once

#include "cli/AlertOptions.h"
#include "cli/PlanOptions.h"
#include "report/ReportOptions.h"

#include <string>
#include <vector>

namespace CLI {
class App;
}

// What `veltrix report` and `veltrix check` are asked to produce from a month: the report
// options of the command line and the files to write.
struct ReportRequest {
    bool nightUnlimited = false;
    std::vector<std::string> exclude; // "free", "nonfree", "mixed"
    std::string htmlFile;
    std::string csvFile;
    std::string jsonFile;  // "-" for standard output
    std::string chartFile; // .png or .svg
    std::string chartSize = "900x500";
    int chartType = 1;           // 1 the built-in chart, 2 the stacked columns
    bool chartAllowance = false; // the daily allowance line on the built-in chart
    PlanOptions plans;           // --plan, --custom-plan, --today, --compare-plans
    AlertOptions alerts;         // --alert-at, --alert-projected, --notify

    // Registers --night-unlimited, --exclude, --html, --csv, --json, --chart, --chart-size,
    // --chart-type, --chart-allowance, the plan options and the alert options on a subcommand; this
    // object must live as long as the command.
    void addOptions(CLI::App& command);

    // The report options these flags stand for (colours and display flags at their defaults).
    ReportOptions reportOptions() const;
    bool jsonToStandardOutput() const { return jsonFile == "-"; }
};
