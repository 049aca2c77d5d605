#include "support/MemorySettingsStore.h"

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
