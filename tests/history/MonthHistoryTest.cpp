#include "history/MonthHistory.h"

#include "cli/TestFiles.h"
#include "history/SqliteDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class MonthHistoryTest : public testing::Test {
protected:
    QTemporaryDir folder;
    const QString march = folder.filePath("2007-03-alice.cache");
    const QString database = folder.filePath("history.sqlite");

    void store(const QString& file, const std::string& rows) { storeMonth(file, rows); }
    // The months listed, as "month user total_kb file|-" lines.
    static std::string listed(const MonthHistory& history) {
        std::string lines;
        for (const HistoryMonth& month : history.months()) {
            lines += month.month + " " + month.user + " " + std::to_string(month.figures.totalKB) +
                     (month.file ? " file\n" : " -\n");
        }
        return lines;
    }
    std::string integrity() { return SqliteDatabase(database).queryText("PRAGMA integrity_check"); }
};

} // namespace

TEST_F(MonthHistoryTest, FollowsTheMonthFilesAndKeepsAMonthWhoseFileIsGone) {
    store(march, marchDays(10, 1000));
    store(folder.filePath("2007-02-alice.cache"), marchRow(1, 7));
    store(folder.filePath("notes.cache"), marchRow(1, 7)); // not a month's name: left alone
    EXPECT_EQ(listed(MonthHistory::load(folder.path())),
              "2007-03 alice 10000 file\n2007-02 alice 7 file\n");
    EXPECT_EQ(QFile::permissions(database) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);

    store(march, marchRow(11, 5) + marchDays(10, 1000)); // a check added a row
    QFile::remove(folder.filePath("2007-02-alice.cache"));
    const MonthHistory history = MonthHistory::load(folder.path());
    EXPECT_EQ(listed(history), "2007-03 alice 10005 file\n2007-02 alice 7 -\n");
    EXPECT_EQ(history.months().front().figures.daysRecorded, 11);
    EXPECT_EQ(history.days(history.months().front()).back().totalKB, 5);
    EXPECT_TRUE(history.notices().empty());
    EXPECT_EQ(integrity(), "ok");

    // a month file that no longer reads as a month keeps the month's figures, and says why
    ASSERT_TRUE(writeContent(march, "not rows"));
    const MonthHistory damaged = MonthHistory::load(folder.path());
    EXPECT_EQ(listed(damaged), "2007-03 alice 10005 file\n2007-02 alice 7 -\n");
    ASSERT_EQ(damaged.notices().size(), 1u);
    EXPECT_NE(damaged.notices().front().find("2007-03-alice.cache is damaged"), std::string::npos);
}

TEST_F(MonthHistoryTest, DamagedDatabaseIsMovedAsideOnceAndRebuilt) {
    const struct {
        const char* name;
        std::function<void()> spoil;
    } cases[] = {
        {"not a database", [&] { ASSERT_TRUE(writeContent(database, "hello, world")); }},
        {"cut short",
         [&] {
             MonthHistory::load(folder.path());
             QFile::remove(database + "-wal"); // as a copy without its journal would be
             ASSERT_TRUE(QFile::resize(database, 4096 + 100));
         }},
        {"another program's tables",
         [&] {
             SqliteDatabase(database).execute("CREATE TABLE months (x); PRAGMA user_version=1");
         }},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkdir(database)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        store(march, marchDays(3, 100));
        c.spoil();
        const MonthHistory history = MonthHistory::load(folder.path());
        ASSERT_EQ(history.notices().size(), 1u);
        EXPECT_NE(
            history.notices().front().find("; it is moved aside as " + database.toStdString()),
            std::string::npos)
            << history.notices().front();
        EXPECT_EQ(listed(history), "2007-03 alice 300 file\n");
        EXPECT_EQ(QDir(folder.path()).entryList({"history.sqlite.damaged-*"}).size(), 1);
        EXPECT_EQ(integrity(), "ok");
        EXPECT_TRUE(MonthHistory::load(folder.path()).notices().empty());
    }
}

// A database that cannot be written never stops a check: the month is listed from its file.
TEST_F(MonthHistoryTest, UnwritableDatabaseIsAWarningAndTheFilesStillList) {
    store(march, marchDays(2, 100));
    ASSERT_TRUE(QDir().mkdir(database + "-wal"));
    const MonthHistory history = MonthHistory::load(folder.path());
    EXPECT_EQ(listed(history), "2007-03 alice 200 file\n");
    ASSERT_EQ(history.notices().size(), 1u);
    EXPECT_NE(history.notices().front().find("come from the month files alone"), std::string::npos);
    const auto notices = MonthHistory::recordMonthFile(folder.path(), "2007-03-alice.cache");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices.front().find("cannot update the history"), std::string::npos);
}
