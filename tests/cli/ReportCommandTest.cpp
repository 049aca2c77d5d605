#include "cli/Commands.h"
#include "cli/TestFiles.h"
#include "platform/HeadlessApplication.h"
#include "support/CliRunner.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <tuple>

namespace {

// 1280 MB over the first ten days of March, newest row first.
const std::string workedExampleMonth = marchDays(10, 131072);

class ReportCommandTest : public testing::Test {
protected:
    QTemporaryDir folder;

    void store(const std::string& entry, const std::string& rows) {
        storeMonth(folder.filePath(QString::fromStdString(entry) + ".cache"), rows);
    }
    CliRun report(std::vector<std::string> args) {
        args.insert(args.begin(), {"report", "--data-dir", folder.path().toStdString()});
        return runVeltrix(args);
    }
};

TEST_F(ReportCommandTest, WritesTheReportFilesAndATerminalSummary) {
    store("2007-03-alice", marchRow(5, 2048, "Caf\u00e9 \u20ac") + marchRow(4, 100));
    const QString html = folder.filePath("out/r.htm"), csv = folder.filePath("out/r.csv");
    const CliRun run = report({"--cache-entry", "2007-03-alice", "--html", html.toStdString(),
                               "--csv", csv.toStdString(), "--plan", "slot:2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Usage for 2007-03"), std::string::npos);
    EXPECT_NE(run.out.find("2007-03-05"), std::string::npos);
    EXPECT_NE(run.out.find("BB Home UL 499"), std::string::npos);
    EXPECT_EQ(
        fileContent(csv).toStdString(),
        "Service, From, To, Send(Kb), Receive(Kb), Bandwidth(Kb), Duration, Charged Usage(KB)\r\n"
        "5, Caf\xe9 ?, 2007-03-05 10:00:00, 2007-03-05 11:00:00, 1, 2, 2048, 01:00:00, 2048\r\n"
        "4, ADSL, 2007-03-04 10:00:00, 2007-03-04 11:00:00, 1, 2, 100, 01:00:00, 100\r\n");
    const std::string saved = fileContent(html).toStdString();
    EXPECT_NE(saved.find("Caf\xe9 &#8364;"), std::string::npos); // Latin-1 bytes, references beyond
    EXPECT_NE(saved.find("charset=ISO-8859-1"), std::string::npos);
}

// A bad option is reported before the month is read and never blamed on it; a bad row is.
// (What each option's mistake says is the plan options tests' work.)
TEST_F(ReportCommandTest, FailuresAreOneLineWithANonZeroExit) {
    store("2007-03-alice", marchRow(5, 10));
    store("2007-03-bad", marchRow(5, 10) +
                             "<tr><td>1</td><td>ADSL</td><td>soon</td><td>2007-03-04 11:00:00</td>"
                             "<td>1</td><td>2</td><td>3</td><td>01:00:00</td><td>3</td></tr>");
    const struct {
        std::vector<std::string> args;
        const char* message;
        bool monthBlamed = false;
    } cases[] = {
        {{"2007-04-nobody"}, "Selected cache file do not exist"},
        {{"../etc/passwd"}, "Selected cache file do not exist"},
        {{"2007-04-nobody", "--html", "/proc/no/such/dir/r.htm"}, "Selected cache file"},
        {{"2007-03-bad"}, "log row 2", true},
        {{"2007-03-bad", "--plan", "no such plan"}, "plan"},
        {{"2007-03-alice", "--html", "/proc/no/such/dir/r.htm"},
         "cannot write /proc/no/such/dir/r.htm"},
    };
    for (auto c : cases) {
        c.args.insert(c.args.begin(), "--cache-entry");
        SCOPED_TRACE(c.args[1] + (c.args.size() > 2 ? " " + c.args[2] : ""));
        const CliRun run = report(c.args);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("the stored month") != std::string::npos, c.monthBlamed) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_NE(report({"--cache-entry", "2007-03-alice", "--exclude", "weekends"}).exitCode, 0);
}

// A month file that is not a month stops the report with one line naming the file; it is
// never read as an empty month, nor read at all when it is not a plain file of sane size.
TEST_F(ReportCommandTest, DamagedOrStrangeMonthFilesAreRefusedByName) {
    const QString path = folder.filePath("2007-03-x.cache");
    const struct {
        const char* name;
        std::function<void()> make;
        const char* message;
    } cases[] = {
        {"garbage", [&] { store("2007-03-x", "\x01\x7f no rows here"); }, "holds no log row"},
        {"unscrambled rows",
         [&] { ASSERT_TRUE(writeContent(path, QByteArray::fromStdString(marchRow(5, 10)))); },
         "is damaged"},
        {"cut short", [&] { store("2007-03-x", marchRow(5, 10) + marchRow(4, 10).substr(0, 40)); },
         "not a whole log row at byte"},
        {"pipe", [&] { ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0); },
         "not a regular file"},
        {"link to a device", [&] { ASSERT_TRUE(QFile::link("/dev/zero", path)); },
         "not a regular file"},
        {"over the size cap",
         [&] { // sparse
             ASSERT_TRUE(writeContent(path, {}) &&
                         QFile::resize(path, FileDataStore::MaxFileBytes + 1));
         },
         "larger than 256 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        c.make();
        const CliRun run = report({"--cache-entry", "2007-03-x"});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.err.find(path.toStdString()), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CommandLine, MistakesAreOneLineThatNamesTheWordAndWhatWasMeant) {
    const struct {
        std::vector<std::string> args;
        std::string said;
        int exitCode;
    } cases[] = {
        {{"chek"}, "unknown command 'chek' (did you mean 'check'?)", 109},
        {{"sync"},
         "unknown command 'sync' (the commands are check, report, demo, plans, cache, history "
         "and status)",
         109},
        {{"cache", "lst"}, "unknown command 'lst' for 'veltrix cache' (did you mean 'list'?)", 109},
        {{"check", "--plna", "x"},
         "unknown option '--plna' for 'veltrix check' (did you mean '--plan'?)",
         109},
        {{"check", "--attach", "--user", "u"},
         "--user and --attach cannot be given together (see 'veltrix check --help')",
         108},
        {{"report"}, "'veltrix report' needs --cache-entry (see 'veltrix report --help')", 106},
        {{"check", "--plan"}, "--plan needs a value (see 'veltrix check --help')", 114},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front());
        const CliRun run = runVeltrix(c.args);
        EXPECT_EQ(run.err, "veltrix: " + c.said + "\n");
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(CheckOptions, NumbersAndAddressesThatCannotBeUsedSayWhy) {
    qputenv("VELTRIX_PASSWORD", "x");
    const std::string example = "https://portal.example/";
    const struct {
        std::string portal;
        const char* timeout;
        const char* says;
    } cases[] = {
        {example, "nan", "--timeout"},
        {example, "1e400", "--timeout"},
        {"http://[::1", "10", "is not a valid address"},
        {"https://" + std::string(70000, 'a') + ".example/", "10",
         "is longer than 8192 characters"},
        {"data:text/html,<p>hi</p>", "10", "is a data: address"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.portal.substr(0, 20) + " " + c.timeout);
        const CliRun run = runVeltrix(
            {"check", "--portal", c.portal, "--user", "u", "--quiet", "--timeout", c.timeout});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_LT(run.err.size(), 300u) << run.err;
    }
    qunsetenv("VELTRIX_PASSWORD");
}

TEST_F(ReportCommandTest, DrawsTheChartOfTheMonth) {
    const HeadlessApplication gui;
    ASSERT_TRUE(gui.problem().isEmpty()) << gui.problem().toStdString();
    store("2007-03-alice", workedExampleMonth);
    const QString png = folder.filePath("chart.png");
    const CliRun run =
        report({"--cache-entry", "2007-03-alice", "--chart", png.toStdString(), "--chart-size",
                "400x300", "--json", folder.filePath("r.json").toStdString()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(QImage(png).size(), QSize(400, 300));
    // the stacked columns: non-free at the bottom in its colour, free above it
    const QString stacked = folder.filePath("stacked.svg");
    const CliRun second = report({"--cache-entry", "2007-03-alice", "--night-unlimited", "--chart",
                                  stacked.toStdString(), "--chart-type", "2"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    const QByteArray drawing = fileContent(stacked);
    EXPECT_TRUE(drawing.contains("Netravo Usage Chart for 2007-03"));
    EXPECT_TRUE(drawing.contains("#ff9393")); // the non-free chart colour (255, 147, 147)
}

} // namespace

// 1280 MB of a 1024 MB limit is exactly 125%; ten days' pace projects 3968 MB by 31 March.
// Which rule fires where is the analysis tests' work; here: the command's status and JSON.
TEST_F(ReportCommandTest, AlertsOnAStoredMonthEndWithTheirStatusAndReasons) {
    store("2007-03-alice", workedExampleMonth);
    const std::vector<std::string> month = {
        "--cache-entry", "2007-03-alice", "--json", "-", "--plan", "BBG 250", "--alert-projected"};
    // blanks around a number are no part of it
    for (const auto& [percent, status, alerts] : {std::tuple{" 125", 10, 2U}, {"125.1 ", 11, 1U}}) {
        std::vector<std::string> args = month;
        args.insert(args.end(), {"--alert-at", percent});
        const CliRun run = report(args);
        EXPECT_EQ(run.exitCode, status) << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)["alerts"].size(), alerts) << percent;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), alerts) << run.err;
    }
    const CliRun noPlan = report({"--cache-entry", "2007-03-alice", "--alert-at", "80"});
    EXPECT_EQ(noPlan.exitCode, 2);
    EXPECT_NE(noPlan.err.find("need a plan"), std::string::npos) << noPlan.err;
    for (const char* percent : {"0", "-5", "nan", "inf", "1000.5", "80%", "0x50", "8e1"}) {
        EXPECT_NE(
            report({"--cache-entry", "2007-03-alice", "--plan", "BBG 250", "--alert-at", percent})
                .exitCode,
            0)
            << percent;
    }
}
