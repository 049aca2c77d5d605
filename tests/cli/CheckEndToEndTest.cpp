// `veltrix check`, `veltrix report` and `veltrix demo` run as the user runs them: the real
// binary against the simulated portal on a loopback port.
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"
#include "retrieval/FileDataStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;

    nlohmann::json json() const { return nlohmann::json::parse(out); }
};

QString binary() {
    return qEnvironmentVariable("VELTRIX_BINARY_DIR") + "/src/veltrix";
}

Result veltrix(const QStringList& arguments, const QByteArray& input = {},
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(binary(), arguments);
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "cannot start " << binary().toStdString();
        return {};
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        ADD_FAILURE() << "veltrix did not finish: " << arguments.join(' ').toStdString();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

// The portal and a folder for month files, with the check run against them.
class Check : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(portal.start()); }

    Result check(const QStringList& extra, const QString& folder = {}) {
        QStringList arguments = {
            "check",     "--portal",   QString::fromStdString(portal.baseUrl()),
            "--user",    "Jos\u00e9",  "--password-stdin",
            "--quiet",   "--data-dir", folder.isEmpty() ? data.path() : folder,
            "--timeout", "10"};
        return veltrix(arguments + extra, "secret\n");
    }

    QByteArray monthFile(const QString& month) const {
        QFile file(data.filePath(month + "-Jos\u00e9.cache"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static nlohmann::json withoutPageCount(nlohmann::json json) {
        json.erase("pages_fetched");
        return json;
    }

    SimulatedPortal portal{simTestConfig()};
    QTemporaryDir data;
};

} // namespace

TEST_F(Check, FullWalkReportsTheMonthAndAddsThePortalFigures) {
    const Result run = check({"--month", "1", "--json", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const nlohmann::json json = run.json();
    EXPECT_EQ(json["month"], "2007-02");
    EXPECT_EQ(json["user"], "Jos\u00e9");
    EXPECT_EQ(json["rows_read"], 95);
    EXPECT_EQ(json["pages_fetched"], 5);
    const SimMonthLog february = portal.month(portal.monthBack(1));
    EXPECT_EQ(json["totals"]["bandwidth_kb"], february.bandwidthKB());
    EXPECT_NEAR(json["portal_total_gb"].get<double>(),
                static_cast<double>(february.bandwidthKB()) / 1048576.0, 0.0005);
    EXPECT_NE(json["report"]["note"].get<std::string>().find("Total displayed in netravo site"),
              std::string::npos);
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
    QFile a(cachedHtml), b(fullHtml);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // the month the check stored builds the same report offline (without the portal's total)
    const Result stored = veltrix(
        {"report", "--cache-entry", "2007-03-Jos\u00e9", "--data-dir", data.path(), "--json", "-"});
    ASSERT_EQ(stored.exitCode, 0) << stored.err;
    nlohmann::json offline = stored.json();
    nlohmann::json online = withoutPageCount(full.json());
    online.erase("portal_total_gb");
    online["report"]["note"] = "";
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
        {"connection dropped", {.truncatedPage = 2, .truncateByDroppingConnection = true}, ""},
        {"malformed row", {.malformedRowPage = 2}, "Record page 2: "},
        {"changed layout", {.changedLayout = true}, "Corvatel site has changed recently"},
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

TEST_F(Check, SlowPortalEndsAtTheTimeOut) {
    portal.setFaults({.delayMs = 2500});
    QStringList arguments = {"check",     "--portal", QString::fromStdString(portal.baseUrl()),
                             "--user",    "x",        "--password-stdin",
                             "--timeout", "1"};
    const Result run = veltrix(arguments, "y\n");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

TEST(CheckExternalStyle, ResultsInATopPageWithFrameTargetsGiveTheSameMonth) {
    SimConfig external = simTestConfig();
    external.layout = SimLayout::ExternalStyle;
    SimulatedPortal framed(simTestConfig()), replaced(external);
    ASSERT_TRUE(framed.start() && replaced.start());
    std::vector<nlohmann::json> months;
    for (const SimulatedPortal* portal : {&framed, &replaced}) {
        const Result run =
            veltrix({"check", "--portal", QString::fromStdString(portal->baseUrl()), "--user",
                     "Jos\u00e9", "--password-stdin", "--month", "1", "--json", "-"},
                    "secret\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        months.push_back(run.json());
    }
    EXPECT_EQ(months[1]["pages_fetched"], 5);
    EXPECT_EQ(months[0], months[1]);
}

TEST(CheckPassword, ComesFromStandardInputOrTheEnvironmentNeverTheCommandLine) {
    SimulatedPortal portal(simTestConfig());
    ASSERT_TRUE(portal.start());
    const QStringList base = {"check",  "--portal",  QString::fromStdString(portal.baseUrl()),
                              "--user", "Jos\u00e9", "--quiet",
                              "--json", "-"};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("VELTRIX_PASSWORD");
    const Result none = veltrix(base, {}, environment);
    EXPECT_NE(none.exitCode, 0);
    EXPECT_NE(none.err.find("VELTRIX_PASSWORD"), std::string::npos) << none.err;
    EXPECT_NE(veltrix(base + QStringList{"--password", "secret"}, {}, environment).exitCode, 0);

    environment.insert("VELTRIX_PASSWORD", "secret");
    const Result fromEnvironment = veltrix(base, {}, environment);
    EXPECT_EQ(fromEnvironment.exitCode, 0) << fromEnvironment.err;
    EXPECT_EQ(fromEnvironment.out.find("secret"), std::string::npos);
}

TEST(Demo, WritesTheReportFilesAndPrintsTheMonth) {
    QTemporaryDir out;
    const Result run = veltrix({"demo", "--out", out.path(), "--quiet"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* name : {"report.html", "report.csv", "summary.json", "chart.png"}) {
        EXPECT_GT(QFileInfo(out.filePath(name)).size(), 0) << name;
    }
    QFile summary(out.filePath("summary.json"));
    ASSERT_TRUE(summary.open(QIODevice::ReadOnly));
    const nlohmann::json json = nlohmann::json::parse(summary.readAll().toStdString());
    EXPECT_EQ(json["month"], QDate::currentDate().toString("yyyy-MM").toStdString());
    EXPECT_GE(json["pages_fetched"].get<int>(), 1);
    EXPECT_EQ(json["plan"]["name"], "BBG FN Combo 599");
    EXPECT_NE(run.out.find("record pages"), std::string::npos) << run.out;
}
