// `veltrix status`: the latest stored month of a user, from the history alone, for a panel or a
// script: used and left on the plan, the projection, when the quota runs out, and the alerts.
#include "analysis/SummaryPage.h"
#include "cli/AlertDelivery.h"
#include "cli/AlertOptions.h"
#include "cli/CliError.h"
#include "cli/Commands.h"
#include "cli/HistoryUpdate.h"
#include "cli/MonthStatus.h"
#include "cli/PlanOptions.h"
#include "cli/SummaryText.h"
#include "cli/Utf8Output.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <algorithm>
#include <iostream>
#include <memory>

namespace {

struct StatusOptions {
    std::string dataDir;
    std::string user;
    PlanOptions plans;
    bool nightUnlimited = false;
    std::string jsonFile; // "-" for standard output
    AlertOptions alerts;
};

// The plan the desktop program's Summary page last chose ("Plan6", with the custom plan's
// values), read from its settings without a window and without writing them.
PlanChoice windowPlan(const SettingsStore& settings, QDate today) {
    SummaryPage page;
    page.LoadCombo(settings);
    page.restoreCustomPlan(settings);
    PlanChoice choice = page.choice(today);
    choice.comparePlans = false;
    return choice;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// The user asked for; else the only one; else the desktop program's user when the history has
// months of it.
std::string chooseUser(const MonthHistory& history, const std::string& asked,
                       const SettingsStore& settings, const QString& folder) {
    const std::vector<std::string> users = history.users();
    const std::string where = " in " + folder.toStdString();
    if (!asked.empty()) {
        if (std::find(users.begin(), users.end(), asked) == users.end()) {
            throw CliError("no stored month of " + asked + where +
                           (users.empty() ? "" : " (the months are of " + joined(users) + ")"));
        }
        return asked;
    }
    if (users.empty()) {
        throw CliError("no stored months" + where +
                       ": a check with --cache keeps the month it reads there");
    }
    if (users.size() == 1) {
        return users.front();
    }
    const std::string windowUser =
        settings.read(SummaryPage::Section, "txtUserName", QString()).toStdString();
    if (std::find(users.begin(), users.end(), windowUser) != users.end()) {
        return windowUser;
    }
    throw CliError("the stored months are of several users (" + joined(users) + "): give --user",
                   2);
}

void runStatus(const StatusOptions& options) {
    PlanChoice choice = options.plans.resolve(SystemClock());
    const FileSettingsStore settings(QCoreApplication::applicationName());
    MonthStatus::PlanFrom planFrom = MonthStatus::PlanFrom::Options;
    if (choice.slot == -1) {
        choice = windowPlan(settings, choice.today);
        planFrom = choice.slot == -1 ? MonthStatus::PlanFrom::None : MonthStatus::PlanFrom::Window;
        if (!settings.problem().isEmpty()) {
            std::cerr << "veltrix: warning: " << settings.problem().toStdString() << '\n';
        }
    }
    options.alerts.requirePlan(choice);
    QString folder;
    const MonthHistory history = HistoryUpdate::readFolder(options.dataDir, folder, std::cerr);
    const std::string user = chooseUser(history, options.user, settings, folder);
    HistoryMonth latest = history.months(user).front();
    const std::vector<DayFigures> days = history.days(latest);
    MonthStatus status = MonthStatus::of(std::move(latest), days, choice, options.nightUnlimited);
    status.planFrom = planFrom;
    if (options.alerts.wanted() && status.summary.hasPlan()) {
        status.alerts = UsageAlerts::raise(status.summary, options.alerts.thresholds);
    }
    if (!options.jsonFile.empty()) {
        Utf8Output::writeJson(options.jsonFile, status.json(options.alerts.wanted()));
    }
    if (options.jsonFile != "-") {
        std::cout << status.text(SummaryText::colourForStdout());
    }
    std::cout << std::flush;
    AlertDelivery::finish(status.alerts, options.alerts, std::cerr);
}

} // namespace

void Commands::addStatusCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "status", "The latest stored month at a glance, without the portal: used and left on "
                  "the plan, the projection and when the quota runs out");
    auto options = std::make_shared<StatusOptions>();
    Commands::addDataDirOption(*command, options->dataDir);
    command->add_option("--user", options->user,
                        "The portal user (default: the only one, else the desktop program's)");
    options->plans.addPlanTo(*command);
    options->plans.addTodayTo(*command);
    command->add_flag("--night-unlimited", options->nightUnlimited,
                      "Count only the charged part of the last day's usage, as a check with "
                      "--night-unlimited does");
    command->add_option("--json", options->jsonFile,
                        "Write the month's status as JSON to a file, or - for stdout");
    options->alerts.addTo(*command);
    command->callback([options] { runStatus(*options); });
}
