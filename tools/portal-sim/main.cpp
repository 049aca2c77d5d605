#include "portal-sim/SimulatedPortal.h"

#include <CLI/CLI.hpp>
#include <QTime>
#include <csignal>
#include <iostream>

namespace {

void addFaultOptions(CLI::App& app, SimFaults& faults) {
    app.add_flag("--reject-logins", faults.rejectLogins, "Every login fails as a wrong password");
    app.add_option("--expire-after", faults.expireAfterPages,
                   "The session ends after this many record pages")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--delay-ms", faults.delayMs, "Every answer waits this long")
        ->check(CLI::Range(0, 60000));
    app.add_option("--http500-page", faults.http500OnPage, "Record page N answers HTTP 500")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--truncate-page", faults.truncatedPage, "Record page N is cut inside its rows")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--drop-connection", faults.truncateByDroppingConnection,
                 "Cut the truncated page by closing the connection mid-transfer");
    app.add_option("--malformed-page", faults.malformedRowPage, "A row of record page N is spoilt")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--malformed-kind", faults.malformedRow, "from or bandwidth")
        ->transform(CLI::CheckedTransformer(std::map<std::string, SimMalformedRow>{
            {"from", SimMalformedRow::BadFrom}, {"bandwidth", SimMalformedRow::BadBandwidth}}));
    app.add_flag("--changed-layout", faults.changedLayout,
                 "Record pages no longer hold the month at element 34");
    app.add_option("--rows-arrive-after-page", faults.rowsArriveAfterPage,
                   "Once per session, new rows arrive right after record page N is sent")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--rows-arriving", faults.rowsArriving,
                   "How many rows arrive then (with --rows-arrive-after-page)")
        ->check(CLI::Range(0, 100000));
    app.add_flag("--login-without-method", faults.loginFormWithoutMethod,
                 "The login form names no method, as if it sent its fields in the address");
    app.add_option("--next-page-back-from", faults.nextPageBackFrom,
                   "The \"Next Page\" link of record page N leads back to page 1")
        ->check(CLI::NonNegativeNumber);
}

struct Options {
    SimConfig config;
    int port = 0;
    std::string today;
    std::string time;
    bool externalStyle = false;
};

void addPortalOptions(CLI::App& app, Options& options) {
    SimConfig& config = options.config;
    app.add_option("--port", options.port, "Port on 127.0.0.1 (0 = any free port)")
        ->check(CLI::Range(0, 65535));
    app.add_option("--seed", config.seed, "Seed of the generated months");
    app.add_option("--page-size", config.pageSize, "Log rows per record page")
        ->check(CLI::Range(1, 10000));
    app.add_option("--rows", config.rowsPerMonth, "Log rows of a full month")
        ->check(CLI::Range(0, 200000));
    app.add_option("--today", options.today,
                   "The portal's today, YYYY-MM-DD (default: the real one)");
    app.add_option(
        "--time", options.time,
        "The portal's time of day, HH:MM:SS: today lists what ended by then (default noon)");
    app.add_option("--user", config.userName, "The account's user name");
    app.add_option("--password", config.password, "The account's password (a test account)");
    app.add_flag("--external-style", options.externalStyle,
                 "Results arrive as new top documents with the record page in an iframe");
    app.add_flag("--every-title-portal", config.everyPageTitledPortal,
                 "Every page is titled \"portal\", not only the login page");
}

// Blocks SIGINT and SIGTERM in every thread started after it, so that only sigwait sees them.
sigset_t blockStopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Simulated Netravo usage portal on a loopback port"};
    Options options;
    addPortalOptions(app, options);
    addFaultOptions(app, options.config.faults);
    CLI11_PARSE(app, argc, argv);

    SimConfig& config = options.config;
    if (!options.today.empty()) {
        config.today = QDate::fromString(QString::fromStdString(options.today), Qt::ISODate);
        if (!config.today.isValid()) {
            std::cerr << "veltrix-portal-sim: --today needs a date as YYYY-MM-DD, not \""
                      << options.today << "\"\n";
            return 2;
        }
    }
    if (!options.time.empty()) {
        const QTime time = QTime::fromString(QString::fromStdString(options.time), Qt::ISODate);
        if (!time.isValid()) {
            std::cerr << "veltrix-portal-sim: --time needs a time as HH:MM:SS, not \""
                      << options.time << "\"\n";
            return 2;
        }
        config.nowSecondsOfDay = time.msecsSinceStartOfDay() / 1000;
    }
    config.layout = options.externalStyle ? SimLayout::ExternalStyle : SimLayout::Framed;

    const sigset_t stopSignals = blockStopSignals();
    SimulatedPortal portal(config);
    if (!portal.start(options.port)) {
        std::cerr << "veltrix-portal-sim: cannot listen on 127.0.0.1 port " << options.port << "\n";
        return 1;
    }
    const std::string url = portal.baseUrl();
    std::cout << "Simulated portal at " << url << " (user \"" << config.userName << "\")\n"
              << "New rows: curl -d count=N " << url << "admin/add-rows\n"
              << "State:    curl " << url << "admin/state\n"
              << "Ctrl+C stops it." << std::endl;
    int received = 0;
    sigwait(&stopSignals, &received);
    portal.stop();
    return 0;
}
