#include "retrieval/CacheMode.h"

#include "platform/MessagePresenter.h"
#include "retrieval/FileDataStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CacheMode, SelectedEntryGivesItsRowsMonthAndUser) {
    QTemporaryDir folder;
    RecordingMessages messages;
    ASSERT_TRUE(FileDataStore(messages).SaveFileData(folder.filePath("2007-03-alice.cache"),
                                                     "<tr><td>row</td></tr>", true));
    const auto month = CacheMode::loadSelected(folder.path(), "2007-03-alice", messages);
    ASSERT_TRUE(month);
    EXPECT_EQ(month->rows, "<tr><td>row</td></tr>");
    EXPECT_EQ(month->month, "2007-03");
    EXPECT_EQ(month->user, "alice");
    EXPECT_TRUE(messages.shown().empty());
}

TEST(CacheMode, EveryWayOfNotHavingTheMonthTellsTheUser) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("2007-04-alice.cache"));
    const QString elsewhere = "../" + QDir(folder.path()).dirName() + "/2007-04-alice";
    const std::vector<std::tuple<std::optional<QString>, QString, MessageIcon>> cases = {
        {std::nullopt, "Select one cache file to create report", MessageIcon::Information},
        {QString(), "Select one cache file to create report", MessageIcon::Information},
        {"2007-02-alice", "Selected cache file do not exist", MessageIcon::Information},
        {elsewhere, "Selected cache file do not exist", MessageIcon::Information},
        // A file that cannot be read stops the run rather than giving an empty report.
        {"2007-04-alice",
         "Cannot read " + folder.filePath("2007-04-alice.cache") + ": it is a folder",
         MessageIcon::Critical},
    };
    for (const auto& [entry, text, icon] : cases) {
        RecordingMessages messages;
        EXPECT_FALSE(CacheMode::loadSelected(folder.path(), entry, messages));
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.lastText(), text);
        EXPECT_EQ(messages.shown().back().icon, icon);
    }
}
