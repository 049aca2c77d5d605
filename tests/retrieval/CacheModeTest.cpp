#include "retrieval/CacheMode.h"

#include "platform/MessagePresenter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A stored month that is there reaches the report in the report command and desktop tests.
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
