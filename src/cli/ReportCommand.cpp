// `veltrix report`: a stored month turned into the report, its files and its summary.
#include "cli/AlertDelivery.h"
#include "cli/CliError.h"
#include "cli/Commands.h"
#include "cli/HistoryUpdate.h"
#include "cli/MonthReport.h"
#include "platform/Clock.h"
#include "retrieval/CacheFolder.h"
#include "retrieval/CacheMode.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace {

struct ReportCommandOptions {
    std::string cacheEntry;
    std::string dataDir;
    ReportRequest request;
};

void runReport(const ReportCommandOptions& options) {
    // The plan options are checked first: their errors must never be blamed on the month file.
    options.request.alerts.requirePlan(options.request.plans.resolve(SystemClock()));
    const QString folder = CacheFolder().resolve(QString::fromStdString(options.dataDir));
    CachedMonth month;
    try {
        month = CacheMode::loadSelected(folder, QString::fromStdString(options.cacheEntry));
    } catch (const StoredMonthError& error) {
        // an unreadable month names its file; "none" and "no such file" say which was asked for
        const bool namesFile = error.kind() == StoredMonthError::Kind::Unreadable;
        throw CliError(namesFile ? std::string(error.what())
                                 : error.what() + std::string(": ") + options.cacheEntry + " in " +
                                       folder.toStdString());
    }
    MonthReport report(options.request);
    try {
        report.build({std::move(month.rows), month.month.toStdString(), FixedPoint()},
                     month.user.toStdString());
    } catch (const BadRowError& error) {
        throw CliError(std::string(error.what()) + " (the stored month " +
                       month.file.toStdString() +
                       " may be damaged: delete it and check the month again)");
    }
    report.writeFiles();
    if (!options.request.jsonToStandardOutput()) {
        report.printText(std::cout);
    }
    HistoryUpdate::afterMonth(month.file, std::nullopt, std::cerr);
    AlertDelivery::finish(report.alerts(), options.request.alerts, std::cerr);
}

} // namespace

void Commands::addReportCommand(CLI::App& app) {
    CLI::App* command =
        app.add_subcommand("report", "Build the report of a month stored on this computer");
    auto options = std::make_shared<ReportCommandOptions>();
    command
        ->add_option("--cache-entry", options->cacheEntry,
                     "The stored month, as `veltrix cache list` shows it")
        ->required();
    Commands::addDataDirOption(*command, options->dataDir);
    options->request.addOptions(*command);
    command->callback([options] { runReport(*options); });
}
