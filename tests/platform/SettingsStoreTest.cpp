#include "support/MemorySettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

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

// What can be read of a damaged file is kept, a file too large to be settings is not read;
// either way the next flush replaces the file whole.
TEST(SettingsStore, DamagedOrHugeFileIsReadAsFarAsItCanAndReplacedWhole) {
    const QByteArray good = "[ScreenSettings]\ntxtUserName=alice\n";
    for (const auto& [content, user, problem] :
         {std::tuple{good + "\x01\xff garbage\n=x\n", "alice", ""},
          {good + QByteArray(FileSettingsStore::MaxFileBytes, ';'), "", "larger than 1 MB"}}) {
        QTemporaryDir folder;
        QFile file(folder.filePath("veltrix.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        auto store = FileSettingsStore::atPath(file.fileName());
        EXPECT_EQ(store->read("ScreenSettings", "txtUserName", ""), user);
        EXPECT_TRUE(store->problem().contains(problem)) << store->problem().toStdString();
        store->write("ScreenSettings", "Width", "9000");
        EXPECT_TRUE(store->flush());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "[ScreenSettings]\nWidth=9000\n" +
                                      QByteArray(*user ? "txtUserName=alice\n" : ""));
    }
}
