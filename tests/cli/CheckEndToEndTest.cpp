// `veltrix check`, `veltrix report` and `veltrix demo` run as the user runs them: the real
// binary against the simulated portal on a loopback port.
#include "cli/TestFiles.h"
#include "cli/VeltrixProcess.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/resource.h>

namespace {

// The portal and a folder for month files, with the check run against them.
class Check : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(portal.start()); }

    Result check(const QStringList& extra, const QString& folder = {}) {
        const QStringList common = {"--quiet", "--data-dir",
                                    folder.isEmpty() ? data.path() : folder, "--timeout", "10"};
        return veltrix(checkOf(portal.baseUrl()) + common + extra, "secret\n");
    }

    QByteArray monthFile(const QString& month) const {
        return fileContent(data.filePath(month + "-Jos\u00e9.cache"));
    }

    static nlohmann::json withoutPageCount(nlohmann::json json) {
        json.erase("pages_fetched");
        return json;
    }

    // a portal that titles every page "portal": only its login form tells the login page
    SimulatedPortal portal{simTestConfig({}, true)};
    QTemporaryDir data;
};

} // namespace

TEST_F(Check, FullWalkReportsTheMonthAndAddsThePortalFigures) {
    const Result run = check({"--month", "1", "--json", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const nlohmann::json json = run.json();
    EXPECT_EQ(json["schema"], 2);
    EXPECT_EQ(json["month"], "2007-02");
    EXPECT_EQ(json["user"], "Jos\u00e9");
    EXPECT_EQ(json["rows_read"], 95);
    EXPECT_EQ(json["pages_fetched"], 5);
    const SimMonthLog february = portal.month(portal.monthBack(1));
    EXPECT_EQ(json["totals"]["bandwidth_kb"], february.bandwidthKB());
    EXPECT_NEAR(json["portal_total_gb"].get<double>(),
                static_cast<double>(february.bandwidthKB()) / 1048576.0, 0.0005);
    EXPECT_TRUE(QDir(data.path()).isEmpty()); // without --cache nothing is stored
}

TEST_F(Check, CachedWalkAfterNewRowsFetchesOnlyTheNewPagesAndReportsTheSameMonth) {
    ASSERT_EQ(check({"--month", "0", "--cache"}).exitCode, 0);
    ASSERT_FALSE(monthFile("2007-03").isEmpty());
    portal.addRows(7); // stored rows move down by an odd number: every stripe changes

    const QString cachedHtml = data.filePath("cached.html");
    const Result cached = check({"--month", "0", "--cache", "--json", "-", "--html", cachedHtml});
    ASSERT_EQ(cached.exitCode, 0) << cached.err;
    EXPECT_LE(cached.json()["pages_fetched"].get<int>(), 2);

    QTemporaryDir elsewhere;
    const QString fullHtml = elsewhere.filePath("full.html");
    const Result full =
        check({"--month", "0", "--json", "-", "--html", fullHtml}, elsewhere.path());
    ASSERT_EQ(full.exitCode, 0) << full.err;
    EXPECT_EQ(withoutPageCount(cached.json()), withoutPageCount(full.json()));
    ASSERT_FALSE(fileContent(fullHtml).isEmpty());
    EXPECT_EQ(fileContent(cachedHtml), fileContent(fullHtml));

    // the month the check stored builds the same report offline (without the portal's total)
    const Result stored = veltrix(
        {"report", "--cache-entry", "2007-03-Jos\u00e9", "--data-dir", data.path(), "--json", "-"});
    ASSERT_EQ(stored.exitCode, 0) << stored.err;
    nlohmann::json offline = stored.json();
    nlohmann::json online = withoutPageCount(full.json());
    online.erase("portal_total_gb");
    online["report_texts"]["note"] = "";
    EXPECT_EQ(offline, online);
}

TEST_F(Check, EveryPortalFaultEndsWithOneClearLineAndLeavesTheMonthFileAlone) {
    struct Case {
        const char* name;
        SimFaults faults;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"wrong password", {.rejectLogins = true}, "did not accept the user name or password"},
        {"session expires", {.expireAfterPages = 1}, "Please relogin again to netravo"},
        {"server error", {.http500OnPage = 2}, "500"},
        {"page cut short", {.truncatedPage = 2}, "Record page 2: "},
        {"connection dropped",
         {.truncatedPage = 2, .truncateByDroppingConnection = true},
         "The connection was cut off before"},
        {"malformed row", {.malformedRowPage = 2}, "Record page 2: "},
        {"changed layout", {.changedLayout = true}, "Corvatel site has changed recently"},
        {"login form without method", {.loginFormWithoutMethod = true}, "method=\"post\""},
        {"next page leads back", {.nextPageBackFrom = 1}, "shows only rows already read"},
    };
    ASSERT_EQ(check({"--month", "0", "--cache"}).exitCode, 0);
    // pages 1 and 2 now hold only new rows, so the walk reaches the spoilt middle of page 2
    portal.addRows(35);
    const QByteArray stored = monthFile("2007-03");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        portal.setFaults(c.faults);
        const Result run = check({"--month", "0", "--cache"});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("veltrix: ")) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("secret"), std::string::npos);
        EXPECT_EQ(monthFile("2007-03"), stored);
    }
}

// Rows that arrive while the pages are read push rows already read onto the next page.
TEST_F(Check, RowsArrivingDuringTheWalkAreStoredOnceAndComeWithTheNextCheck) {
    const int before = portal.month(portal.monthBack(0)).rowCount();
    portal.setFaults({.rowsArriveAfterPage = 1, .rowsArriving = 7});
    const Result during = check({"--month", "0", "--cache", "--json", "-"});
    ASSERT_EQ(during.exitCode, 0) << during.err;
    EXPECT_EQ(during.json()["rows_read"], before);
    EXPECT_NE(during.err.find("veltrix: warning: New rows arrived"), std::string::npos)
        << during.err;

    portal.setFaults({});
    const Result after = check({"--month", "0", "--cache", "--json", "-"});
    ASSERT_EQ(after.exitCode, 0) << after.err;
    EXPECT_EQ(after.json()["rows_read"], before + 7);
    QTemporaryDir elsewhere;
    const Result full = check({"--month", "0", "--json", "-"}, elsewhere.path());
    EXPECT_EQ(withoutPageCount(after.json()), withoutPageCount(full.json()));
}

TEST_F(Check, DamagedMonthFileIsNeitherMergedNorWrittenOverButNamed) {
    ASSERT_EQ(check({"--month", "0", "--cache"}).exitCode, 0);
    const QByteArray good = monthFile("2007-03");
    portal.addRows(9);
    QTemporaryDir elsewhere;
    const Result full = check({"--month", "0", "--json", "-"}, elsewhere.path());
    ASSERT_EQ(full.exitCode, 0) << full.err;
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"garbage", QByteArray("\x13\x9c not a month at all \x01\x02", 24)},
        {"zeros", QByteArray(4096, '\0')},
        {"cut short", good.left(good.size() * 2 / 3)},
    };
    const QString file = data.filePath("2007-03-Jos\u00e9.cache");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeContent(file, c.content));
        const Result run = check({"--month", "0", "--cache", "--json", "-"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.err.find("warning: The stored month " + file.toStdString() + " is damaged"),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("delete it to fetch the month again"), std::string::npos);
        EXPECT_EQ(run.json()["rows_read"], full.json()["rows_read"]);
        EXPECT_EQ(monthFile("2007-03"), c.content);
    }
}

// A check that cannot alert is refused before the portal is asked; a failed check keeps its
// own status whatever the alert options. (Which alert fires is the analysis tests' work.)
TEST_F(Check, AlertOptionsNeverHideTheChecksOwnStatus) {
    const Result noPlan = check({"--month", "1", "--alert-at", "80"});
    EXPECT_EQ(noPlan.exitCode, 2);
    EXPECT_EQ(portal.requestsServed(), 0);
    EXPECT_NE(noPlan.err.find("need a plan"), std::string::npos) << noPlan.err;
    portal.setFaults({.rejectLogins = true});
    const Result rejected =
        check({"--month", "1", "--custom-plan", "100,1,0.5", "--alert-at", "1"});
    EXPECT_EQ(rejected.exitCode, 1) << rejected.err;
    EXPECT_EQ(rejected.out, "");
}

TEST_F(Check, SlowPortalEndsAtTheTimeOut) {
    portal.setFaults({.delayMs = 2500});
    const Result run =
        veltrix(checkOf(portal.baseUrl()) + QStringList{"--timeout", "1"}, "secret\n");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

TEST_F(Check, PasswordComesFromStandardInputOrTheEnvironmentNeverTheCommandLine) {
    const QStringList base = {"check",  "--portal",  QString::fromStdString(portal.baseUrl()),
                              "--user", "Jos\u00e9", "--quiet",
                              "--json", "-"};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("VELTRIX_PASSWORD");
    const Result none = veltrix(base, {}, environment);
    EXPECT_NE(none.exitCode, 0);
    EXPECT_NE(none.err.find("VELTRIX_PASSWORD"), std::string::npos) << none.err;
    EXPECT_NE(veltrix(base + QStringList{"--password", "secret"}, {}, environment).exitCode, 0);

    // taken out of the environment at once: no program veltrix starts inherits it
    environment.insert("VELTRIX_PASSWORD", "secret");
    portal.setFaults({.delayMs = 200});
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(binary(), base);
    while (portal.requestsServed() == 0 && process.state() != QProcess::NotRunning) {
        QThread::msleep(10);
    }
    QFile environ(QString("/proc/%1/environ").arg(process.processId()));
    ASSERT_TRUE(environ.open(QIODevice::ReadOnly));
    const QByteArray seen = environ.readAll();
    EXPECT_FALSE(seen.contains("VELTRIX_PASSWORD") || seen.contains("secret"));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

// The demo writes its files; with --serve what it prints is enough to log in: a check with it
// takes the month, and Ctrl+C ends it.
TEST(Demo, WritesTheReportFilesAndServesThePortalForTheWindowUntilInterrupted) {
    QTemporaryDir out;
    QProcess demo;
    demo.start(binary(), {"demo", "--serve", "--quiet", "--out", out.path()});
    QString printed;
    while (!printed.contains("then press") && demo.waitForReadyRead(60000)) {
        printed += QString::fromUtf8(demo.readAllStandardOutput());
    }
    for (const char* name : {"report.html", "report.csv", "summary.json", "chart.png"}) {
        EXPECT_GT(QFileInfo(out.filePath(name)).size(), 0) << name;
    }
    const auto json =
        nlohmann::json::parse(fileContent(out.filePath("summary.json")).toStdString());
    const std::string month = QDate::currentDate().toString("yyyy-MM").toStdString();
    EXPECT_EQ(json["month"], month);
    const auto field = [&printed](const QString& caption) {
        return QRegularExpression(caption + " +(\\S+)\n").match(printed).captured(1);
    };
    const Result check =
        veltrix({"check", "--portal", field("Administrative login url"), "--user",
                 field("Netravo UserName"), "--password-stdin", "--quiet", "--json", "-"},
                field("Netravo Password").toUtf8() + "\n");
    EXPECT_EQ(check.exitCode, 0) << check.err << printed.toStdString();
    EXPECT_EQ(check.json()["month"], month);
    ::kill(static_cast<pid_t>(demo.processId()), SIGINT);
    ASSERT_TRUE(demo.waitForFinished(20000));
    EXPECT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
}

// Output that does not reach its file or standard output is a failure, and a file that cannot
// be written whole keeps its old content (the CSV is written as the HTML is).
TEST(OutputFailures, EndTheCommandWithOneLineAndKeepOldFiles) {
    QTemporaryDir data;
    storeMonth(data.filePath("2007-03-a.cache"), marchDays(28, 300));
    const QString old = data.filePath("old.out");
    const struct {
        const char* name;
        QStringList arguments;
        QString standardOutput; // empty: captured
        long fileSizeLimit;     // bytes, 0 for none
    } cases[] = {
        {"summary to a full device", {}, "/dev/full", 0},
        {"json to standard output on a full device", {"--json", "-"}, "/dev/full", 0},
        {"json beyond the size limit", {"--json", old}, {}, 300},
        {"html beyond the size limit", {"--html", old}, {}, 300},
        {"chart beyond the size limit", {"--chart", old + ".png"}, {}, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& file : {old, old + ".png"}) {
            ASSERT_TRUE(writeContent(file, "old"));
        }
        QProcess process;
        if (!c.standardOutput.isEmpty()) {
            process.setStandardOutputFile(c.standardOutput);
        }
        const long limit = c.fileSizeLimit;
        process.setChildProcessModifier([limit] {
            if (limit > 0) {
                std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG
                const rlimit bytes{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
                setrlimit(RLIMIT_FSIZE, &bytes);
            }
        });
        process.start(binary(), QStringList{"report", "--cache-entry", "2007-03-a", "--data-dir",
                                            data.path()} +
                                    c.arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        const std::string err = process.readAllStandardError().toStdString();
        EXPECT_NE(process.exitCode(), 0) << err;
        EXPECT_TRUE(err.starts_with("veltrix: ")) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        for (const QString& file : {old, old + ".png"}) {
            EXPECT_EQ(fileContent(file), "old") << file.toStdString();
        }
    }
}
