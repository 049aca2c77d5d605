#pragma once

#include "analysis/PlanChoice.h"

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

class CommandRunner;

// What the "Scheduled check..." dialog sets.
struct ScheduleChoice {
    bool enabled = false;
    QTime time{20, 0};
    std::optional<double> alertAtPercent = 80; // none: no alert at a share of the limit
    bool alertProjected = true;
    bool notifyFailure = true;
    bool autostart = false; // the status icon starts at login
};

// What the scheduled check logs in with and bills on, as the main window holds it.
struct CheckTarget {
    QString portal{};
    QString user{};
    QString plan{};       // "slot:N"; empty with the custom plan or none
    QString customPlan{}; // "CHARGE,LIMIT_MB,RATE"
    QString dataDir{};    // the month files' folder
    bool passwordRemembered = false;

    // The plan and custom plan of a choice made on the Summary page.
    void setPlan(const PlanChoice& choice);
};

// Where the settings of this user live.
struct SchedulePaths {
    QString configHome;        // $XDG_CONFIG_HOME, by default ~/.config
    QString autostartTemplate; // the installed autostart entry; empty when none is installed

    static SchedulePaths ofUser();
    QString checkEnv() const;
    QString timerOverride() const;
    QString autostartEntry() const;
};

// The scheduled check without the dialog: the settings of the packaged user units read back,
// and written as the units read them (check.env, the timer's override) with the service
// manager told through `systemctl --user`; the status icon's autostart entry copied from the
// installed template or removed. Each step taken is said in a line of `done`.
class ScheduledCheck {
public:
    static constexpr char Timer[] = "veltrix-check.timer";

    ScheduledCheck(SchedulePaths paths, CommandRunner& runner);

    // As the files and the service manager have it; the units' defaults where they say nothing.
    ScheduleChoice current() const;
    // Writes check.env and the timer's time, reloads the user service manager and enables or
    // disables the timer. Throws Failure when there is no user service manager, or the login or
    // plan the check needs is missing, before anything is changed; and when a step fails.
    void applyTimer(const ScheduleChoice& choice, const CheckTarget& target, QStringList& done);
    // Copies the installed entry into the user's autostart folder, or removes the copy.
    // Throws Failure when the entry is not installed or cannot be written or removed.
    void applyAutostart(bool on, QStringList& done);

private:
    void requireServiceManager() const;
    void systemctl(const QStringList& arguments, QStringList& done);

    SchedulePaths m_paths;
    CommandRunner& m_runner;
};
