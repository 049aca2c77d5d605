// `veltrix check`: logs into the portal (or attaches to the user's own browser window that
// shows the month), walks the month's record pages and reports the month.
#include "cli/CliError.h"
#include "cli/Commands.h"
#include "cli/EnvironmentPassword.h"
#include "cli/FailureNotice.h"
#include "cli/KeyringPassword.h"
#include "cli/MonthCheck.h"
#include "cli/PlainDecimal.h"
#include "platform/Clock.h"
#include "platform/PlainText.h"
#include "platform/session/KeychainSecretStore.h"
#include "retrieval/AttachHelp.h"
#include "retrieval/AttachedPages.h"
#include "retrieval/CacheFolder.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

namespace {

struct CheckCommandOptions {
    std::string portal;
    std::string user;
    bool passwordStdin = false;
    int month = 0;
    std::optional<int> attachPort; // --attach: the browser's debugging port
    bool cache = false;
    std::string dataDir;
    double timeoutSeconds = MonthCheck::DefaultTimeoutSeconds;
    bool quiet = false;
    bool rememberPassword = false;
    bool passwordFromKeyring = false;
    bool notifyFailure = false;
    ReportRequest request;
};

// From standard input (one line, its line end dropped) or the environment: never from the
// command line, where every user of the machine could read it in the process list.
std::string readPassword(bool fromStdin) {
    if (fromStdin) {
        std::string line;
        if (!std::getline(std::cin, line) && line.empty()) {
            throw CliError("--password-stdin: no password on standard input", 2);
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line;
    }
    const std::optional<std::string>& fromEnvironment = EnvironmentPassword::value();
    if (!fromEnvironment) {
        throw CliError("no password: give it on standard input with --password-stdin, or set "
                       "VELTRIX_PASSWORD",
                       2);
    }
    return *fromEnvironment;
}

// The check hands its own copy of the password on; this one is kept only to remember it.
struct WipedOnExit {
    std::string& secret;
    ~WipedOnExit() { wipeSecret(secret); }
};

void walkTheMonth(MonthCheck& check, const CheckCommandOptions& options) {
    check.setTimeoutSeconds(options.timeoutSeconds);
    check.setQuiet(options.quiet);
    check.execute();
}

// The user's own browser: the month and the login are the ones chosen in that browser. With
// --portal only windows of the portal's site are read.
void runAttachedCheck(const CheckCommandOptions& options, const QString& folder) {
    const int port = *options.attachPort;
    if (!options.portal.empty() && AttachedPages::siteOf(options.portal).empty()) {
        throw CliError("check: --portal with --attach takes the portal's http:// or https:// "
                       "address, whose site alone is read",
                       2);
    }
    // without --portal the run names no site: any window that shows the month is read
    const std::string portal =
        options.portal.empty() ? "the browser on port " + std::to_string(port) : options.portal;
    MonthCheck check(options.request, RunRequest::nonPasswordVersion(portal, port, folder));
    walkTheMonth(check, options);
    check.report(std::cout);
}

void runCheck(const CheckCommandOptions& options) {
    // a plan or alert option that makes no sense ends the command before the portal is asked
    options.request.alerts.requirePlan(options.request.plans.resolve(SystemClock()));
    const QString folder =
        options.cache ? CacheFolder().resolve(QString::fromStdString(options.dataDir)) : QString();
    if (options.attachPort) {
        runAttachedCheck(options, folder);
        return;
    }
    if (options.portal.empty() || options.user.empty()) {
        throw CliError("check: give --portal and --user, or --attach to use your own browser", 2);
    }
    KeychainSecretStore keyring;
    std::string password = options.passwordFromKeyring
                               ? KeyringPassword::recall(keyring, options.portal, options.user)
                               : readPassword(options.passwordStdin);
    const WipedOnExit wiped{password};
    MonthCheck check(options.request, RunRequest::passwordVersion(options.portal, options.user,
                                                                  password, options.month, folder));
    walkTheMonth(check, options);
    if (options.rememberPassword) {
        KeyringPassword::remember(keyring, options.portal, options.user, password, std::cerr);
    }
    check.report(std::cout);
}

} // namespace

void Commands::addCheckCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "check", "Log into the usage portal (or read your own browser), walk the month's record "
                 "pages and report the month");
    auto options = std::make_shared<CheckCommandOptions>();
    command->add_option("--portal", options->portal,
                        "Address of the portal's login page (with --attach: only windows of its "
                        "site are read)");
    CLI::Option* user = command->add_option("--user", options->user, "Portal user name");
    CLI::Option* passwordStdin =
        command->add_flag("--password-stdin", options->passwordStdin,
                          "Read the password from the first line of standard input (otherwise "
                          "it comes from VELTRIX_PASSWORD)");
    CLI::Option* month =
        command
            ->add_option("--month", options->month,
                         "Which month: 0 = the current month, 1 = the one before, ... 5")
            ->capture_default_str()
            ->check(CLI::Range(0, 5));
    command
        ->add_option_function<int>(
            "--attach", [options](const int& port) { options->attachPort = port; },
            "Walk the month shown in your own browser instead of logging in: a Chromium-family "
            "browser started with remote debugging on loopback port PORT (default " +
                std::to_string(AttachHelp::DefaultPort) +
                "), logged into the portal, showing the first page of the month")
        ->expected(0, 1)
        ->default_str(std::to_string(AttachHelp::DefaultPort))
        ->type_name("[PORT]")
        ->check(CLI::Range(1, 65535))
        ->excludes(user)
        ->excludes(passwordStdin)
        ->excludes(month);
    command->add_flag("--cache", options->cache,
                      "Retrieve only newer pages: keep the month in a file and fetch only the "
                      "pages with rows it does not hold yet");
    Commands::addDataDirOption(*command, options->dataDir);
    command
        ->add_option("--timeout", options->timeoutSeconds,
                     "Give up when the portal sends no page for this many seconds")
        ->capture_default_str()
        ->transform(plainDecimal())
        ->check(CLI::Range(1.0, 3600.0));
    command->add_flag("--quiet", options->quiet, "No progress line on stderr");
    command
        ->add_flag("--remember-password", options->rememberPassword,
                   "After a successful check keep the password in the desktop's keyring, filed "
                   "by portal address and user name")
        ->excludes("--attach");
    command
        ->add_flag("--password-from-keyring", options->passwordFromKeyring,
                   "Take the password from the desktop's keyring (kept there by "
                   "--remember-password or the desktop program's \"Remember password\")")
        ->excludes("--password-stdin")
        ->excludes("--attach");
    command->add_flag("--notify-failure", options->notifyFailure,
                      "When the check fails, also show why as a desktop notification (for a "
                      "scheduled check)");
    options->request.addOptions(*command);
    command->callback([options] {
        FailureNotice::runNotifying(
            options->notifyFailure, [&options] { runCheck(*options); }, std::cerr);
    });
}
