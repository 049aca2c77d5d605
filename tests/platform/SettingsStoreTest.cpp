#include "platform/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsStore, TypedValuesFallBackOnGarbage) {
    MemorySettingsStore store;
    store.write("ScreenSettings", "Height", "tall");
    store.write("ScreenSettings", "flag", "maybe");
    EXPECT_EQ(store.readNumber("ScreenSettings", "Height", 7200), 7200);
    EXPECT_TRUE(store.readBool("ScreenSettings", "flag", true));
    store.writeBool("ScreenSettings", "flag", false);
    EXPECT_EQ(store.read("ScreenSettings", "flag", ""), "False");
    EXPECT_FALSE(store.readBool("ScreenSettings", "flag", true));
}

TEST(SettingsStore, FileStoreKeepsKeysWithBlanksAndHashes) {
    QTemporaryDir folder;
    const QString path = folder.filePath("veltrix.ini");
    {
        auto store = FileSettingsStore::atPath(path);
        store->writeBool("ScreenSettings", "mblnCachingEnabled ", true);
        store->write("ScreenSettings", "URLs", "http://a/#http://b/#");
    }
    auto reread = FileSettingsStore::atPath(path);
    EXPECT_TRUE(reread->readBool("ScreenSettings", "mblnCachingEnabled ", false));
    EXPECT_FALSE(reread->readBool("ScreenSettings", "mblnCachingEnabled", false));
    EXPECT_EQ(reread->read("ScreenSettings", "URLs", ""), "http://a/#http://b/#");
    EXPECT_EQ(reread->read("ScreenSettings", "absent", "default"), "default");
    EXPECT_FALSE(QFile::permissions(path) & QFileDevice::Permissions(0x0077)); // private
}

// What can be read of a damaged file is kept; a file too large to be settings is not read at
// all. Either way the next store replaces the file whole, and says it did.
TEST(SettingsStore, DamagedOrHugeFileIsReadAsFarAsItCanAndReplacedWhole) {
    const QByteArray good = "[ScreenSettings]\ntxtUserName=alice\n";
    const struct {
        const char* name;
        QByteArray content;
        const char* user;
        const char* problem;
    } cases[] = {
        {"damaged", good + "\x01\xff garbage\n[broken\n=\nHeight=7200\n", "alice", ""},
        {"huge", good + QByteArray(FileSettingsStore::MaxFileBytes, ';'), "", "larger than 1 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = folder.filePath("veltrix.ini");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.content) == c.content.size());
        file.close();
        auto store = FileSettingsStore::atPath(path);
        EXPECT_EQ(store->read("ScreenSettings", "txtUserName", ""), c.user);
        EXPECT_TRUE(store->problem().contains(c.problem)) << store->problem().toStdString();
        store->write("ScreenSettings", "Width", "9000");
        EXPECT_TRUE(store->flush());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        EXPECT_FALSE(stored.contains("garbage") || stored.contains(";;")) << stored.toStdString();
        auto reread = FileSettingsStore::atPath(path);
        EXPECT_EQ(reread->read("ScreenSettings", "Width", ""), "9000");
        EXPECT_EQ(reread->read("ScreenSettings", "txtUserName", ""), c.user);
        EXPECT_TRUE(reread->problem().isEmpty());
    }
}
