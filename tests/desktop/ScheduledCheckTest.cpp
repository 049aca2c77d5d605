// The scheduled check as the service manager sees it: the real runner against the stand-in
// systemctl of tests/support/bin on PATH, the files written under a home of the test's own.
#include "desktop/ScheduledCheck.h"

#include "desktop/CommandRunner.h"
#include "support/FailureOf.h"
#include "support/FileContent.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class Schedule : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("SYSTEMCTL_LOG", home.filePath("calls").toLocal8Bit());
        qputenv("PATH", qEnvironmentVariable("VELTRIX_TEST_DATA").toLocal8Bit() +
                            "/../support/bin:" + path);
        writeContent(home.filePath("tray.desktop"), "[Desktop Entry]\nExec=veltrix --tray\n");
        ASSERT_TRUE(QDir().mkpath(home.filePath("veltrix")));
    }
    void TearDown() override {
        qputenv("PATH", path);
        qunsetenv("SYSTEMCTL_FAIL");
        qunsetenv("SYSTEMCTL_HANG");
    }
    QString calls() const { return QString::fromUtf8(fileContent(home.filePath("calls"))); }

    const QByteArray path = qgetenv("PATH");
    QTemporaryDir home;
    ProcessRunner runner;
    SchedulePaths paths{home.path(), home.filePath("tray.desktop")};
    ScheduledCheck schedule{paths, runner};
    CheckTarget target{"https://portal.example/", "al \"x\"", "slot:3", "", "/my months", true};
    QStringList done;
};

TEST_F(Schedule, OnWritesWhatTheUnitsReadKeepsTheUsersLinesAndReadsBack) {
    writeContent(paths.checkEnv(), "# mine\nVELTRIX_NOTIFY=no\nVELTRIX_ALERT_AT=90\n"
                                   "VELTRIX_USER = bob\nVELTRIX_ALERT_AT = 95\n");
    EXPECT_EQ(schedule.current().alertAtPercent, 95); // the last line wins, as for the unit
    schedule.applyTimer({true, QTime(7, 30), 62.5, false, true, true}, target, done);
    schedule.applyAutostart(true, done);
    EXPECT_EQ(fileContent(paths.checkEnv()),
              "# mine\nVELTRIX_NOTIFY=no\nVELTRIX_ALERT_AT=62.5\nVELTRIX_USER=\"al \\\"x\\\"\"\n"
              "VELTRIX_ALERT_PROJECTED=no\nVELTRIX_NOTIFY_FAILURE=yes\n"
              "VELTRIX_PORTAL=https://portal.example/\nVELTRIX_DATA_DIR=/my months\n"
              "VELTRIX_PLAN=slot:3\nVELTRIX_CUSTOM_PLAN=\n");
    // the unit's own 20:00 is dropped first, or the check would run at both times
    EXPECT_TRUE(fileContent(paths.timerOverride())
                    .endsWith("[Timer]\nOnCalendar=\nOnCalendar=*-*-* 07:30\n"));
    EXPECT_EQ(fileContent(paths.autostartEntry()), "[Desktop Entry]\nExec=veltrix --tray\n");
    EXPECT_EQ(calls(), "--user is-enabled veltrix-check.timer\n--user show-environment\n"
                       "--user daemon-reload\n--user enable --now veltrix-check.timer\n");
    EXPECT_EQ(done[4], "Your usage is checked every day at 07:30.");
    EXPECT_EQ(schedule.current().time, QTime(7, 30));

    done.clear(); // off: the login stays for later, the timer stops, the entry goes
    schedule.applyTimer({false, QTime(7, 30), std::nullopt, false, false, false}, {}, done);
    schedule.applyAutostart(false, done);
    EXPECT_TRUE(calls().endsWith("--user disable --now veltrix-check.timer\n"));
    EXPECT_TRUE(fileContent(paths.checkEnv()).contains("ALERT_AT=off\nVELTRIX_USER=\"al"));
    EXPECT_FALSE(QFile::exists(paths.autostartEntry()));
}

// A share the check would refuse reads as no alert, so the box never rounds "nan" or "1e12".
TEST_F(Schedule, AlertShareTheCheckRefusesReadsAsOff) {
    const std::vector<std::pair<QByteArray, std::optional<double>>> cases = {
        {"nan", {}}, {"inf", {}}, {"-inf", {}}, {"1e12", {}},   {"1000.5", {}},   {"0", {}},
        {"-5", {}},  {"off", {}}, {"abc", {}},  {"0.01", 0.01}, {"1000", 1000.0}, {"62.5", 62.5}};
    for (const auto& [text, read] : cases) {
        writeContent(paths.checkEnv(), "VELTRIX_ALERT_AT=" + text + "\n");
        EXPECT_EQ(schedule.current().alertAtPercent, read) << text.toStdString();
    }
}

// Without a service manager, or without what the check needs, nothing is written or run.
TEST_F(Schedule, RefusesBeforeChangingAnything) {
    const auto refusal = [&](const CheckTarget& to) {
        return failureOf([&] { schedule.applyTimer({true}, to, done); });
    };
    EXPECT_EQ(refusal({"https://portal.example/", "al"}),
              "Choose your plan on the Summary page of the Result window first: the alerts "
              "measure the usage against its limit. The scheduled check was left as it was.");
    EXPECT_NE(refusal({}).find("Type the portal user name and address"), std::string::npos);
    qputenv("SYSTEMCTL_FAIL", "1");
    EXPECT_EQ(refusal(target), "The user service manager does not answer (systemctl --user: Failed "
                               "to connect to bus: No medium found). The scheduled check was left "
                               "as it was.");
    qputenv("PATH", home.path().toLocal8Bit()); // no systemctl at all
    EXPECT_EQ(refusal(target),
              "There is no user service manager here (systemctl is not installed), "
              "so no check can be scheduled. The scheduled check was left as it was.");
    EXPECT_EQ(calls(), QString("--user show-environment\n").repeated(3));
    EXPECT_FALSE(QFile::exists(paths.checkEnv()) || QFile::exists(paths.timerOverride()));
}

// A service manager that hangs is given up on soon, and said so in one line.
TEST_F(Schedule, AServiceManagerThatHangsIsGivenUpOnSoon) {
    qputenv("SYSTEMCTL_HANG", "1");
    ProcessRunner impatient(std::chrono::milliseconds(300));
    ScheduledCheck hanging(paths, impatient);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOf([&] { hanging.applyTimer({true}, target, done); }),
              "The user service manager does not answer (systemctl --user: systemctl did not "
              "answer within 0.3 seconds). The scheduled check was left as it was.");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
}
