#include "cli/TestFiles.h"
#include "support/CliRunner.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace {

// February 2007: eight days of 256 MB, half of it charged; 2048 MB, 1024 MB charged.
std::string february() {
    std::string rows;
    for (int day = 8; day >= 1; --day) {
        const std::string date = "2007-02-0" + std::to_string(day);
        rows += "<tr><td>" + std::to_string(day) + "</td><td>ADSL</td><td>" + date +
                " 01:00:00</td><td>" + date +
                " 09:00:00</td><td>1</td><td>2</td><td>262144</td><td>08:00:00</td>"
                "<td>131072</td></tr>";
    }
    return rows;
}

class HistoryCommandTest : public testing::Test {
protected:
    QTemporaryDir folder;

    void SetUp() override {
        // 1280 MB over ten days of March, 1000 MB of it charged
        storeMonth(folder.filePath("2007-03-alice.cache"),
                   TestData::read("month/2007-03-worked.txt"));
        storeMonth(folder.filePath("2007-02-alice.cache"), february());
        ASSERT_TRUE(QFile::copy(TestData::path("cache/2007-03-alice.cache"),
                                folder.filePath("2007-03-bob.cache")));
    }
    CliRun run(const std::string& command, std::vector<std::string> args) {
        args.insert(args.begin(), {command, "--data-dir", folder.path().toStdString()});
        return runVeltrix(args);
    }
};

} // namespace

// Newest month first, then by user; each month's figures are worked by hand below.
TEST_F(HistoryCommandTest, ListsEveryMonthOfEveryUser) {
    const CliRun history = run("history", {"--json", "-"});
    ASSERT_EQ(history.exitCode, 0) << history.err;
    EXPECT_EQ(history.err, "");
    const auto json = nlohmann::json::parse(history.out);
    EXPECT_EQ(json["schema"], 2);
    EXPECT_TRUE(json["plans"].is_null()); // two users' months have no one plan to advise on
    std::vector<std::string> order;
    for (const auto& month : json["months"]) {
        order.push_back(month["month"].get<std::string>() + "-" + month["user"].get<std::string>());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"2007-03-alice", "2007-03-bob", "2007-02-alice"}));
    // bob's month was scrambled by another writer: 22000 + 1024 + 512 KB in three rows
    EXPECT_EQ(json["months"][1]["rows"], 3);
    EXPECT_EQ(json["months"][1]["total_kb"], 23536);
}

// Each month's bill and the plans' sums over both months, worked by hand:
// BB Home UL 499: 499 + 10.3% tax = 550.397 -> Rs. 550.40 a month, Rs. 1100.80 for two.
// BBG 250 (1024 MB, Rs 0.2 per MB above): March 1280 MB: 250 + 256 * 0.2 = 301.20, with tax
// 332.2236 -> 332.22; February 2048 MB: 250 + 1024 * 0.2 = 454.80, with tax 501.6444 -> 501.64;
// together 833.86, the cheapest, Rs. 266.94 less than BB Home UL 499.
// BBG FN Combo 500 (1536 MB, night free) bills the charged 1000 and 1024 MB: 551.50 each.
TEST_F(HistoryCommandTest, BillsEachMonthAndAdvisesTheCheapestPlan) {
    const QString csv = folder.filePath("history.csv");
    const CliRun text =
        run("history", {"--user", "alice", "--plan", "BB Home UL 499", "--csv", csv.toStdString()});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(
        text.out,
        "Month    User   Rows  Total MB  Charged MB   Free MB  Days  MB per day  Bill with tax\n"
        "2007-03  alice    30  1280.000    1000.000   280.000    10      128.00     Rs. 550.40\n"
        "2007-02  alice     8  2048.000    1024.000  1024.000     8      256.00     Rs. 550.40\n"
        "\n"
        "Over these 2 months BBG 250 would have cost Rs. 833.86 with tax, Rs. 266.94 less "
        "than BB Home UL 499\n");
    const std::string folderPath = folder.path().toStdString();
    EXPECT_EQ(fileContent(csv).toStdString(),
              "month,user,rows,total_kb,charged_kb,free_kb,days_recorded,average_mb_per_day,"
              "last_recorded,file,plan,total_with_tax\n"
              "2007-03,alice,30,1310720,1024000,286720,10,128.00,2007-03-10 11:00:00," +
                  folderPath + "/2007-03-alice.cache,BB Home UL 499,550.40\n" +
                  "2007-02,alice,8,2097152,1048576,1048576,8,256.00,2007-02-08 09:00:00," +
                  folderPath + "/2007-02-alice.cache,BB Home UL 499,550.40\n");

    const auto json = nlohmann::json::parse(
        run("history", {"--user", "alice", "--plan", "BBG 250", "--json", "-"}).out);
    EXPECT_EQ(json["months"][0]["bill"], nlohmann::json::parse(
                                             R"({"slot": 0, "name": "BBG 250",
                                                 "total_with_tax": 332.22})"));
    EXPECT_EQ(json["months"][1]["bill"]["total_with_tax"], 501.64);
    const auto& plans = json["plans"];
    ASSERT_EQ(plans.size(), 29u); // the custom plan only when its values are given
    EXPECT_EQ(plans[0], nlohmann::json::parse(
                            R"({"slot": 0, "name": "BBG 250", "months": 2,
                                "total_with_tax": 833.86})"));
    std::map<int, std::pair<std::size_t, double>> bySlot; // place in the list, total
    for (std::size_t i = 0; i < plans.size(); ++i) {
        bySlot[plans[i]["slot"]] = {i, plans[i]["total_with_tax"]};
    }
    EXPECT_EQ(bySlot[2].second, 1100.80);
    EXPECT_EQ(bySlot[3].second, 1103.00);
    // equal totals in slot order: BB Home UL 750 and BB Home Combo UL 750
    EXPECT_EQ(bySlot[8].first + 1, bySlot[9].first);
}

// A history that cannot be written is one warning line, never a failed report. (That a report
// brings its month up to date is the history end-to-end tests' work.)
TEST_F(HistoryCommandTest, ReportWarnsWhenTheHistoryCannotBeWritten) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("history.sqlite-wal"));
    const CliRun unwritable = run("report", {"--cache-entry", "2007-02-alice"});
    EXPECT_EQ(unwritable.exitCode, 0);
    EXPECT_TRUE(unwritable.err.starts_with("veltrix: warning: cannot update the history "))
        << unwritable.err;
    EXPECT_EQ(std::count(unwritable.err.begin(), unwritable.err.end(), '\n'), 1);
}
