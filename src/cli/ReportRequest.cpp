#include "cli/ReportRequest.h"

#include <CLI/CLI.hpp>
#include <algorithm>

void ReportRequest::addOptions(CLI::App& command) {
    command.add_flag(
        "--night-unlimited", nightUnlimited,
        "The plan leaves night-time usage (02:00 to 08:00) free: classify rows as free, "
        "mixed or non-free");
    command.add_option("--exclude", exclude, "Leave usage out of the report: free, nonfree, mixed")
        ->delimiter(',')
        ->check(CLI::IsMember({"free", "nonfree", "mixed"}));
    command.add_option("--html", htmlFile, "Save the report as an HTML file (Latin-1)");
    command.add_option("--csv", csvFile, "Export the report's rows as comma-separated text");
    command.add_option("--json", jsonFile,
                       "Write the month's figures as JSON to a file, or - for stdout");
    command.add_option(
        "--chart", chartFile,
        "Draw the month's chart as the result window shows it, to a .png or .svg file");
    command.add_option("--chart-size", chartSize, "Size of the chart image in pixels, WxH")
        ->capture_default_str();
    command
        .add_option("--chart-type", chartType,
                    "1: the daily bars of the built-in chart; 2: stacked columns of non-free "
                    "and free usage")
        ->check(CLI::Range(1, 2))
        ->capture_default_str();
    command.add_flag("--chart-allowance", chartAllowance,
                     "Draw the plan's daily allowance (its limit spread over the month's days) "
                     "as a line across the daily bars");
    plans.addTo(command);
    alerts.addTo(command);
}

ReportOptions ReportRequest::reportOptions() const {
    const auto excluded = [this](const char* what) {
        return std::find(exclude.begin(), exclude.end(), what) != exclude.end();
    };
    ReportOptions options;
    options.mblnNightUnlimitedPlan = nightUnlimited;
    options.mblnExcludeFree = excluded("free");
    options.mblnExcludeNonFree = excluded("nonfree");
    options.mblnExcludeMixed = excluded("mixed");
    return options;
}
