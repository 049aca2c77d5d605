#include "retrieval/FileDataStore.h"

#include "support/FailureOf.h"
#include "support/FileContent.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

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
};

using namespace FileDataStore;

} // namespace

// The fixture was scrambled by another writer: reading and writing pin the stored format.
TEST_F(FileDataStoreTest, MonthFilesRoundTripInTheStoredFormat) {
    ASSERT_FALSE(m_alice.empty());
    const QString fixture = TestData::path("cache/2007-03-alice.cache");
    EXPECT_EQ(ReadFileData(fixture, true), m_alice);
    SaveFileData(path("2007-03-alice.cache"), m_alice, true);
    EXPECT_EQ(fileContent(path("2007-03-alice.cache")), fileContent(fixture));
    // Text equal to the key scrambles to zero bytes, which the file must hold as well.
    const std::string zeros = std::string("KTPW58mnbxz") + '\0' + "\xC3\xBF";
    SaveFileData(path("z.cache"), zeros, true);
    EXPECT_EQ(fileContent(path("z.cache")).left(11), QByteArray(11, '\0'));
    EXPECT_EQ(ReadFileData(path("z.cache"), true), zeros);
}

TEST_F(FileDataStoreTest, FailedWriteLeavesTheOldMonthIntact) {
    const QString month = path("2007-03-alice.cache");
    SaveFileData(month, m_alice, true);
    std::string failure;
    {
        // Nothing may print in here: redirected test output is a file under the limit too.
        const FileSizeLimit limit(64);
        failure = failureOf([&] { SaveFileData(month, m_alice + m_alice, true); });
    }
    EXPECT_EQ(failure, "Cannot write " + month.toStdString() + ": File too large");
    EXPECT_EQ(ReadFileData(month, true), m_alice);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"2007-03-alice.cache"});
}

TEST_F(FileDataStoreTest, CreatesAMissingFolderForTheOwnerOnly) {
    SaveFileData(path("data/veltrix/2007-03-a.cache"), "rows", true);
    EXPECT_EQ(ReadFileData(path("data/veltrix/2007-03-a.cache"), true), "rows");
    // usage logs are the user's own: no other local user may read them
    const QFileDevice::Permissions others(0x0077); // the group and other bits
    for (const char* name : {"data/veltrix/2007-03-a.cache", "data/veltrix"}) {
        EXPECT_FALSE(QFile::permissions(path(name)) & others) << name;
        EXPECT_TRUE(QFile::permissions(path(name)) & QFileDevice::WriteOwner) << name;
    }
}
