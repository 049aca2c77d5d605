#include "desktop/ScheduledCheck.h"

#include "analysis/Plan.h"
#include "analysis/UsageAlerts.h"
#include "desktop/CommandRunner.h"
#include "desktop/EnvironmentFileText.h"
#include "platform/AtomicFile.h"
#include "platform/NumberFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

constexpr char AutostartName[] = "veltrix-tray.desktop";
constexpr char NewEnvHeader[] =
    "# The scheduled check's settings, read by veltrix-check.service and written by the\n"
    "# \"Scheduled check...\" dialog of Veltrix. Lines of your own are kept.\n";
// the status icon's autostart is a step of its own, taken even when the timer's is refused
constexpr char Unchanged[] = " The scheduled check was left as it was.";

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool yes(const std::optional<QString>& value, bool otherwise) {
    if (!value) {
        return otherwise;
    }
    const QString word = value->toLower();
    return word == "yes" || word == "true" || word == "on" || word == "1";
}

QString yesNo(bool value) {
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString number(double value) {
    return QString::fromStdString(NumberFormat::general(value));
}

} // namespace

void CheckTarget::setPlan(const PlanChoice& choice) {
    plan.clear();
    customPlan.clear();
    if (choice.slot == Plan::CustomSlot && choice.custom) {
        const CustomPlanValues& values = *choice.custom;
        customPlan = number(values.nebPlanCharge) + ',' + number(values.nebBandWidthLimit) + ',' +
                     number(values.nebRsPerMB);
    } else if (choice.slot >= 0) {
        plan = "slot:" + QString::number(choice.slot);
    }
}

SchedulePaths SchedulePaths::ofUser() {
    const QString relative = QStringLiteral("veltrix/autostart/") + AutostartName;
    QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation, relative);
    if (installed.isEmpty()) { // installed under a prefix the data folders do not name
        const QString beside = QCoreApplication::applicationDirPath() + "/../share/" + relative;
        installed = QFile::exists(beside) ? QDir::cleanPath(beside) : QString();
    }
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), installed};
}

QString SchedulePaths::checkEnv() const {
    return configHome + "/veltrix/check.env";
}

QString SchedulePaths::timerOverride() const {
    return configHome + "/systemd/user/" + ScheduledCheck::Timer + ".d/override.conf";
}

QString SchedulePaths::autostartEntry() const {
    return configHome + "/autostart/" + AutostartName;
}

ScheduledCheck::ScheduledCheck(SchedulePaths paths, CommandRunner& runner)
    : m_paths(std::move(paths))
    , m_runner(runner) {}

ScheduleChoice ScheduledCheck::current() const {
    ScheduleChoice choice;
    const QString env = readText(m_paths.checkEnv());
    if (const auto alertAt = EnvironmentFileText::value(env, "VELTRIX_ALERT_AT")) {
        // as the check would refuse it: "off", a hand-typed "nan" or "1e12", a share out of range
        bool isNumber = false;
        const double percent = alertAt->toDouble(&isNumber);
        choice.alertAtPercent = isNumber && AlertThresholds::acceptsPercent(percent)
                                    ? std::optional<double>(percent)
                                    : std::nullopt;
    }
    choice.alertProjected = yes(EnvironmentFileText::value(env, "VELTRIX_ALERT_PROJECTED"), true);
    choice.notifyFailure = yes(EnvironmentFileText::value(env, "VELTRIX_NOTIFY_FAILURE"), true);
    // the last time the override sets is the one that counts
    static const QRegularExpression daily(
        QStringLiteral("^\\s*OnCalendar=\\*-\\*-\\* (\\d\\d):(\\d\\d)\\s*$"),
        QRegularExpression::MultilineOption);
    auto matches = daily.globalMatch(readText(m_paths.timerOverride()));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        choice.time = QTime(match.captured(1).toInt(), match.captured(2).toInt());
    }
    const CommandRunner::Outcome enabled =
        m_runner.run("systemctl", {"--user", "is-enabled", Timer});
    choice.enabled = enabled.started && enabled.output == "enabled";
    choice.autostart = QFile::exists(m_paths.autostartEntry());
    return choice;
}

void ScheduledCheck::requireServiceManager() const {
    const CommandRunner::Outcome probe = m_runner.run("systemctl", {"--user", "show-environment"});
    if (!probe.started) {
        throw Failure(std::string("There is no user service manager here (systemctl is not "
                                  "installed), so no check can be scheduled.") +
                      Unchanged);
    }
    if (probe.exitCode != 0) {
        throw Failure("The user service manager does not answer (systemctl --user: " +
                      probe.output.section('\n', 0, 0).toStdString() + ")." + Unchanged);
    }
}

void ScheduledCheck::systemctl(const QStringList& arguments, QStringList& done) {
    const QString command = "systemctl --user " + arguments.join(' ');
    const CommandRunner::Outcome outcome =
        m_runner.run("systemctl", QStringList{"--user"} + arguments);
    if (!outcome.started || outcome.exitCode != 0) {
        throw Failure(
            command.toStdString() + " failed" +
            (outcome.output.isEmpty() ? std::string() : ": " + outcome.output.toStdString()));
    }
    done << "Ran " + command;
}

void ScheduledCheck::applyTimer(const ScheduleChoice& choice, const CheckTarget& target,
                                QStringList& done) {
    requireServiceManager();
    if (choice.enabled && (target.portal.isEmpty() || target.user.isEmpty())) {
        throw Failure(std::string("Type the portal user name and address on \"Login Info\" "
                                  "first: the scheduled check logs in with them.") +
                      Unchanged);
    }
    const bool alerts = choice.alertAtPercent || choice.alertProjected;
    if (choice.enabled && alerts && target.plan.isEmpty() && target.customPlan.isEmpty()) {
        throw Failure(std::string("Choose your plan on the Summary page of the Result window "
                                  "first: the alerts measure the usage against its limit.") +
                      Unchanged);
    }
    std::vector<std::pair<QString, QString>> values = {
        {"VELTRIX_ALERT_AT", choice.alertAtPercent ? number(*choice.alertAtPercent) : "off"},
        {"VELTRIX_ALERT_PROJECTED", yesNo(choice.alertProjected)},
        {"VELTRIX_NOTIFY_FAILURE", yesNo(choice.notifyFailure)},
    };
    // a check turned off keeps the login it had when the window holds none
    for (const auto& [name, value] :
         {std::pair{"VELTRIX_PORTAL", target.portal}, std::pair{"VELTRIX_USER", target.user},
          std::pair{"VELTRIX_DATA_DIR", target.dataDir}}) {
        if (!value.isEmpty()) {
            values.emplace_back(name, value);
        }
    }
    if (!target.plan.isEmpty() || !target.customPlan.isEmpty()) {
        values.emplace_back("VELTRIX_PLAN", target.plan);
        values.emplace_back("VELTRIX_CUSTOM_PLAN", target.customPlan);
    }
    QString env = readText(m_paths.checkEnv());
    env = EnvironmentFileText::withValues(env.isEmpty() ? QString(NewEnvHeader) : env, values);
    AtomicFile::write(m_paths.checkEnv(), env.toUtf8(), AtomicFile::Access::OwnerOnly,
                      AtomicFile::Folder::Create);
    done << "Wrote " + m_paths.checkEnv();
    // OnCalendar= adds a time to the unit's own; the empty one first drops that
    const QString time = choice.time.toString(QStringLiteral("HH:mm"));
    AtomicFile::write(m_paths.timerOverride(),
                      ("# The time of the daily check, set in Veltrix's \"Scheduled check...\"\n"
                       "[Timer]\nOnCalendar=\nOnCalendar=*-*-* " +
                       time + "\n")
                          .toUtf8(),
                      AtomicFile::Access::Shared, AtomicFile::Folder::Create);
    done << "Wrote " + m_paths.timerOverride();
    systemctl({"daemon-reload"}, done);
    systemctl({choice.enabled ? "enable" : "disable", "--now", Timer}, done);
    done << (choice.enabled ? "Your usage is checked every day at " + time + "."
                            : QStringLiteral("No check is scheduled."));
    if (choice.enabled && !target.passwordRemembered) {
        done << "The check reads the password from the desktop's keyring: tick \"Remember "
                "password\" on \"Login Info\" and check once, or it cannot log in.";
    }
}

void ScheduledCheck::applyAutostart(bool on, QStringList& done) {
    const QString entry = m_paths.autostartEntry();
    if (!on) {
        if (QFile::exists(entry)) {
            if (!QFile::remove(entry)) {
                throw Failure("Cannot remove " + entry.toStdString());
            }
            done << "Removed " + entry + ": the status icon no longer starts when you log in.";
        }
        return;
    }
    QFile installed(m_paths.autostartTemplate);
    if (m_paths.autostartTemplate.isEmpty() || !installed.open(QIODevice::ReadOnly)) {
        throw Failure(std::string("The status icon's autostart entry is not installed "
                                  "(veltrix/autostart/") +
                      AutostartName + " in the shared data folders), so it cannot start at login.");
    }
    AtomicFile::write(entry, installed.readAll(), AtomicFile::Access::Shared,
                      AtomicFile::Folder::Create);
    done << "Wrote " + entry + ": the status icon starts when you log in.";
}
