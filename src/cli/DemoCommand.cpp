// `veltrix demo`: a full check of the current month against the built-in simulated portal.
#include "cli/CliError.h"
#include "cli/Commands.h"
#include "cli/DemoPortal.h"
#include "cli/MonthCheck.h"

#include <CLI/CLI.hpp>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <iostream>
#include <memory>

namespace {

struct DemoOptions {
    std::string out = "veltrix-demo";
    bool quiet = false;
    bool serve = false; // the portal stays up for the desktop program
};

void tellHowToLogIn(const DemoPortal& portal) {
    std::printf("\nThe demo portal keeps running until you press Ctrl+C. To try the desktop "
                "program,\nstart veltrix and type on \"Password Version\":\n"
                "  Administrative login url  %s\n"
                "  Netravo UserName          %s\n"
                "  Netravo Password          %s\n"
                "then press \"Check Bandwidth Usage\".\n",
                portal.baseUrl().c_str(), DemoPortal::UserName, DemoPortal::Password);
    std::fflush(stdout);
}

ReportRequest demoReport(const QDir& out) {
    ReportRequest request;
    request.nightUnlimited = true;
    request.htmlFile = out.filePath("report.html").toStdString();
    request.csvFile = out.filePath("report.csv").toStdString();
    request.jsonFile = out.filePath("summary.json").toStdString();
    request.chartFile = out.filePath("chart.png").toStdString();
    // A plan that leaves the night free, like the report's classification, and the bill of
    // the month on every other plan.
    request.plans.setPlan("BBG FN Combo 599");
    request.plans.setComparePlans(true);
    return request;
}

void runDemo(const DemoOptions& options) {
    const QDir out(QString::fromStdString(options.out));
    if (!QDir().mkpath(out.path())) {
        throw CliError("cannot make the folder " + options.out);
    }
    const QTemporaryDir months; // a fresh folder: the demo always walks every page
    if (!months.isValid()) {
        throw CliError("cannot make a temporary folder for the month file: " +
                       months.errorString().toStdString());
    }
    DemoPortal portal;
    ReportRequest request = demoReport(out);
    MonthCheck check(request, RunRequest::passwordVersion(portal.baseUrl(), DemoPortal::UserName,
                                                          DemoPortal::Password, 0, months.path()));
    check.setQuiet(options.quiet);
    const CheckOutcome& outcome = check.execute();
    std::printf("Demo portal %s: %d record pages, %d rows, walked in %.2f s\n",
                portal.baseUrl().c_str(), outcome.pagesFetched, outcome.rowsTaken, outcome.seconds);
    std::printf("Wrote report.html, report.csv, summary.json and chart.png in %s\n\n",
                QDir::toNativeSeparators(out.absolutePath()).toStdString().c_str());
    std::fflush(stdout);
    check.report(std::cout);
    if (options.serve) {
        std::cout.flush();
        tellHowToLogIn(portal);
        portal.serveUntilInterrupted();
    }
}

} // namespace

void Commands::addDemoCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "demo", "Check the current month on a built-in simulated portal and write its report");
    auto options = std::make_shared<DemoOptions>();
    command
        ->add_option("--out", options->out,
                     "Folder for report.html, report.csv, summary.json and chart.png")
        ->capture_default_str();
    command->add_flag("--quiet", options->quiet, "No progress line on stderr");
    command->add_flag("--serve", options->serve,
                      "Keep the demo portal running afterwards (until Ctrl+C) and print the "
                      "address, user and password to type into the desktop program");
    command->callback([options] { runDemo(*options); });
}
