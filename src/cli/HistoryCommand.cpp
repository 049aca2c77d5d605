// `veltrix history`: every stored month side by side, and which plan would have cost least.
#include "chart/BuiltInChartFile.h"
#include "chart/StackedChartRenderer.h"
#include "cli/CliError.h"
#include "cli/Commands.h"
#include "cli/HistoryListing.h"
#include "cli/HistoryUpdate.h"
#include "cli/PlanOptions.h"
#include "cli/Utf8Output.h"
#include "history/HistoryChart.h"
#include "platform/Clock.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace {

struct HistoryOptions {
    std::string dataDir;
    std::string user;
    PlanOptions plans;
    std::string jsonFile; // "-" for standard output
    std::string csvFile;
    std::string chartFile;
};

void drawChart(const std::vector<HistoryMonth>& months, const std::string& path) {
    try {
        StackedChartRenderer::save(HistoryChart::data(months), HistoryChart::style(months),
                                   QString::fromStdString(path), BuiltInChartFile::DefaultSize);
    } catch (const Failure& failure) {
        throw CliError("cannot draw the chart to " + path + ": " + failure.what());
    }
}

void runHistory(const HistoryOptions& options) {
    // the plan is checked first: a mistyped plan must not wait for a month to be read
    const PlanChoice choice = options.plans.resolve(SystemClock());
    QString folder;
    const MonthHistory history = HistoryUpdate::readFolder(options.dataDir, folder, std::cerr);
    const HistoryListing listing = HistoryListing::of(history, options.user, choice);
    if (listing.planChosen && !listing.plans) {
        std::cerr << "veltrix: note: the months are of several users: give --user to see which "
                     "plan would have cost least\n";
    }
    if (!options.csvFile.empty()) {
        Utf8Output::writeFile(options.csvFile, listing.csv());
    }
    if (!options.chartFile.empty()) {
        drawChart(listing.months, options.chartFile);
    }
    const std::string json = listing.json().dump(2) + "\n";
    if (options.jsonFile == "-") {
        std::cout << json;
        return;
    }
    if (!options.jsonFile.empty()) {
        Utf8Output::writeFile(options.jsonFile, json);
    }
    if (listing.months.empty()) {
        std::cout << "No stored months" << (options.user.empty() ? "" : " of " + options.user)
                  << " in " << folder.toStdString() << '\n';
        return;
    }
    std::cout << listing.text();
}

} // namespace

void Commands::addHistoryCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "history", "Every stored month side by side, and which plan would have cost least");
    auto options = std::make_shared<HistoryOptions>();
    Commands::addDataDirOption(*command, options->dataDir);
    command->add_option("--user", options->user, "Only the months of this portal user");
    options->plans.addPlanTo(*command);
    command->add_option("--json", options->jsonFile,
                        "Write the months and plans as JSON to a file, or - for stdout");
    command->add_option("--csv", options->csvFile,
                        "Write the months as comma-separated text with a header");
    command->add_option("--chart", options->chartFile,
                        "Draw a stacked column of charged and free usage per month, to a .png "
                        "or .svg file");
    command->callback([options] { runHistory(*options); });
}
