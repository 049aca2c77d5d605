#include "retrieval/CacheFileList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

// Two users, mixed case: a case-sensitive sort would put "2007-02-Bob" before "2007-02-alice".
TEST(CacheFileList, SortedWithoutRegardToCaseWithTheLastSelected) {
    QTemporaryDir folder;
    EXPECT_EQ(LoadCacheFileList(folder.path()).selected, -1); // nothing stored, nothing chosen
    for (const QString name :
         {"2007-03-bob.cache", "2007-02-alice.cache", "2007-03-Alice.cache", "2007-02-Bob.cache",
          "2007-03-ALICE.cache", "notes.txt", ".cache", "2007-03-bob.cache.bak"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
    }
    QDir(folder.path()).mkdir("2007-04-bob.cache");
    const CacheFileList list = LoadCacheFileList(folder.path());
    ASSERT_EQ(list.status, CacheFileList::Status::Listed);
    QStringList entries;
    for (const CacheEntry& entry : list.entries) {
        entries << entry.entry;
    }
    EXPECT_EQ(entries, (QStringList{"2007-02-alice", "2007-02-Bob", "2007-03-ALICE",
                                    "2007-03-Alice", "2007-03-bob"}));
    EXPECT_EQ(list.selected, 4);
}

TEST(CacheFileList, NamesThatCannotBeShownAsTheyAreAreLeftOutWithANote) {
    QTemporaryDir folder;
    const QByteArray base = QFile::encodeName(folder.path()) + '/';
    for (const QByteArray& name : {QByteArray("2007-03-ok.cache"), QByteArray("2007-03-\xff.cache"),
                                   QByteArray("2007-03-a\nb.cache")}) {
        FILE* file = std::fopen((base + name).constData(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }
    const CacheFileList list = LoadCacheFileList(folder.path());
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0].entry, "2007-03-ok");
    QStringList skipped(list.skipped.begin(), list.skipped.end());
    skipped.sort();
    EXPECT_EQ(skipped, (QStringList{"2007-03-\\xff.cache", "2007-03-a\\x0ab.cache"}));
}
