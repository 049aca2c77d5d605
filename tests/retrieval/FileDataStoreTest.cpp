#include "retrieval/FileDataStore.h"

#include "platform/MessagePresenter.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Caps the size of files this process writes, as a full disk would (writes fail with EFBIG
// instead of raising SIGXFSZ); unlike a read-only folder it stops root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

class FileDataStoreTest : public testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }

    const std::string m_alice = TestData::read("cache/2007-03-alice.txt");
    QTemporaryDir m_folder;
    RecordingMessages m_messages;
    FileDataStore m_store{m_messages};
};

} // namespace

// The fixture was scrambled by another writer: reading and writing pin the stored format.
TEST_F(FileDataStoreTest, MonthFilesRoundTripInTheStoredFormat) {
    ASSERT_FALSE(m_alice.empty());
    const QString fixture = TestData::path("cache/2007-03-alice.cache");
    EXPECT_EQ(m_store.ReadFileData(fixture, true), m_alice);
    ASSERT_TRUE(m_store.SaveFileData(path("2007-03-alice.cache"), m_alice, true));
    EXPECT_EQ(contents(path("2007-03-alice.cache")), contents(fixture));
    // Text equal to the key scrambles to zero bytes, which the file must hold as well.
    const std::string zeros = std::string("KTPW58mnbxz") + '\0' + "\xC3\xBF";
    ASSERT_TRUE(m_store.SaveFileData(path("z.cache"), zeros, true));
    EXPECT_EQ(contents(path("z.cache")).left(11), QByteArray(11, '\0'));
    EXPECT_EQ(m_store.ReadFileData(path("z.cache"), true), zeros);
    EXPECT_TRUE(m_messages.shown().empty());
}

// A month that exists but cannot be read must not pass for an empty or a missing one.
TEST_F(FileDataStoreTest, MissingReadsEmptyQuietlyUnreadableIsReported) {
    EXPECT_EQ(m_store.ReadFileData("", true), "");
    EXPECT_EQ(FileDataStore::readFile(path("gone.cache"), true).status,
              FileDataStore::ReadStatus::Missing);
    EXPECT_TRUE(m_messages.shown().empty());
    ASSERT_TRUE(QDir().mkpath(path("2007-03-alice.cache")));
    EXPECT_EQ(m_store.ReadFileData(path("2007-03-alice.cache"), true), "");
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_TRUE(m_messages.lastText().contains("2007-03-alice.cache"));
    EXPECT_EQ(FileDataStore::readFile(path("2007-03-alice.cache"), true).status,
              FileDataStore::ReadStatus::Unreadable);
}

TEST_F(FileDataStoreTest, FailedWriteLeavesTheOldMonthIntact) {
    const QString month = path("2007-03-alice.cache");
    ASSERT_TRUE(m_store.SaveFileData(month, m_alice, true));
    bool saved = true;
    {
        // Nothing may print in here: redirected test output is a file under the limit too.
        const FileSizeLimit limit(64);
        saved = m_store.SaveFileData(month, m_alice + m_alice, true);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(m_store.ReadFileData(month, true), m_alice);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"2007-03-alice.cache"});
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown().back().title, "Veltrix");
    EXPECT_TRUE(m_messages.lastText().endsWith("2007-03-alice.cache: File too large"))
        << m_messages.lastText().toStdString();
}

TEST_F(FileDataStoreTest, CreatesAMissingFolderAndReportsOneThatCannotBeMade) {
    EXPECT_TRUE(m_store.SaveFileData(path("data/veltrix/2007-03-a.cache"), "rows", true));
    EXPECT_EQ(m_store.ReadFileData(path("data/veltrix/2007-03-a.cache"), true), "rows");
    EXPECT_FALSE(m_store.SaveFileData(path("data/veltrix/2007-03-a.cache/x"), "rows", true));
    EXPECT_EQ(m_messages.shown().size(), 1u);
    // usage logs are the user's own: no other local user may read them
    const QFileDevice::Permissions others(0x0077); // the group and other bits
    for (const char* name : {"data/veltrix/2007-03-a.cache", "data/veltrix"}) {
        EXPECT_FALSE(QFile::permissions(path(name)) & others) << name;
        EXPECT_TRUE(QFile::permissions(path(name)) & QFileDevice::WriteOwner) << name;
    }
}
