// history.sqlite as processes share it: a check records its month with its portal, `veltrix
// status` answers from it what the check said, and processes that update the history at once
// lose nothing.
#include "cli/TestFiles.h"
#include "cli/VeltrixProcess.h"
#include "history/SqliteDatabase.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Months of many rows, so that every process spends a while reading them.
std::string longMonth(int extraKB) {
    std::string rows;
    for (int i = 0; i < 3000; ++i) {
        rows += marchRow(28 - i % 28, 100 + (i == 0 ? extraKB : 0));
    }
    return rows;
}

std::string query(const QString& folder, const std::string& sql) {
    return SqliteDatabase(folder + "/history.sqlite").queryText(sql);
}

} // namespace

TEST(HistoryEndToEnd, ACheckRecordsItsMonthAndStatusAnswersWhatTheCheckSaid) {
    SimulatedPortal portal{simTestConfig()};
    ASSERT_TRUE(portal.start());
    QTemporaryDir data;
    // the portal's today, so that today's figures are there to compare too
    const QStringList common = {"--today", "2007-03-15", "--data-dir", data.path(), "--json", "-"};
    const QStringList plan = {"--custom-plan", "100,10000,0.5"};
    double usedMB = 0;
    for (const QStringList& night : {QStringList(), QStringList{"--night-unlimited"}}) {
        const Result check = veltrix(checkOf(portal.baseUrl()) + QStringList{"--quiet", "--cache"} +
                                         common + plan + night,
                                     "secret\n");
        ASSERT_EQ(check.exitCode, 0) << check.err;
        EXPECT_EQ(query(data.path(), "SELECT total_kb || ' ' || portal FROM months"),
                  check.json()["totals"]["bandwidth_kb"].dump() + " " + portal.baseUrl());
        const Result status = veltrix(QStringList{"status"} + common + plan + night);
        ASSERT_EQ(status.exitCode, 0) << status.err;
        ASSERT_TRUE(check.json()["summary"]["today"]);
        for (const char* key : {"plan", "summary", "projection"}) {
            EXPECT_EQ(status.json()[key], check.json()[key]) << key;
        }
        EXPECT_EQ(status.json()["user"], "Jos\u00e9");
        usedMB = check.json()["summary"]["used_mb"];
    }

    // a limit of twice the usage: 50% used, and the 15th of 31 days projects more than twice it
    const QStringList half = {"status", "--custom-plan",
                              QString("100,%1,0.5").arg(std::llround(usedMB * 2))};
    EXPECT_EQ(veltrix(half + common + QStringList{"--alert-at", "40"}).exitCode, 10);
    EXPECT_EQ(
        veltrix(half + common + QStringList{"--alert-at", "60", "--alert-projected"}).exitCode, 11);
    EXPECT_EQ(veltrix(half + common + QStringList{"--alert-at", "off"}).exitCode, 0);

    // without --plan, the plan the window chose last
    QTemporaryDir config;
    ASSERT_TRUE(QDir(config.path()).mkdir("veltrix"));
    ASSERT_TRUE(
        writeContent(config.filePath("veltrix/veltrix.ini"), "[ScreenSettings]\nPlan6=0\n"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    EXPECT_EQ(veltrix(QStringList{"status"} + common, {}, environment).json()["plan"]["slot"], 12);
}

TEST(HistoryEndToEnd, ProcessesUpdatingAtOnceLoseNothing) {
    QTemporaryDir data;
    const auto monthFile = [&data](int month) {
        return data.filePath(QString("2006-%1-alice.cache").arg(month, 2, 10, QChar('0')));
    };
    for (int month = 1; month <= 12; ++month) {
        storeMonth(monthFile(month), longMonth(0));
    }
    const auto runAtOnce = [&data](const std::vector<QStringList>& commands) {
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const QStringList& command : commands) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->start(binary(), command + QStringList{"--data-dir", data.path()});
        }
        for (const auto& process : processes) {
            ASSERT_TRUE(process->waitForFinished(120000));
            EXPECT_EQ(process->exitCode(), 0);
            EXPECT_EQ(process->readAllStandardError(), "");
        }
    };
    // two make the database at once, two record the month they report
    runAtOnce({{"history"},
               {"history"},
               {"report", "--cache-entry", "2006-01-alice"},
               {"report", "--cache-entry", "2006-12-alice"}});
    // every month grows; each of two processes records six of them while the other does too
    for (int month = 1; month <= 12; ++month) {
        storeMonth(monthFile(month), longMonth(month));
    }
    std::vector<QStringList> reports;
    for (int month = 1; month <= 12; ++month) {
        reports.push_back({"report", "--cache-entry", QFileInfo(monthFile(month)).baseName()});
    }
    runAtOnce(reports);
    EXPECT_EQ(query(data.path(), "SELECT count(*) || ' ' || sum(total_kb) FROM months"),
              "12 " + std::to_string(12 * 3000 * 100 + 78));
    EXPECT_EQ(query(data.path(), "PRAGMA integrity_check"), "ok");
}
