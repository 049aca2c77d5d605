#include "retrieval/CacheMode.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A stored month that is there reaches the report in the report command and desktop tests.
TEST(CacheMode, EveryWayOfNotHavingTheMonthSaysWhy) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("2007-04-alice.cache"));
    const QString elsewhere = "../" + QDir(folder.path()).dirName() + "/2007-04-alice";
    using Kind = StoredMonthError::Kind;
    const std::vector<std::tuple<std::optional<QString>, QString, Kind>> cases = {
        {QString(), "Select one cache file to create report", Kind::NotChosen},
        {"2007-02-alice", "Selected cache file do not exist", Kind::Missing},
        {elsewhere, "Selected cache file do not exist", Kind::Missing},
        // A file that cannot be read stops the run rather than giving an empty report.
        {"2007-04-alice",
         "Cannot read " + folder.filePath("2007-04-alice.cache") + ": it is a folder",
         Kind::Unreadable},
    };
    for (const auto& [entry, text, kind] : cases) {
        try {
            CacheMode::loadSelected(folder.path(), entry);
            ADD_FAILURE() << text.toStdString();
        } catch (const StoredMonthError& error) {
            EXPECT_EQ(error.what(), text.toStdString());
            EXPECT_EQ(error.kind(), kind);
        }
    }
}
