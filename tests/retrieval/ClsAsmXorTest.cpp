#include "retrieval/ClsAsmXor.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray pattern(qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + 7) % 256);
    }
    return bytes;
}

// Byte k XOR key byte k mod m, the long way.
QByteArray xorReference(QByteArray bytes, const QByteArray& key) {
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        bytes[k] = static_cast<char>(bytes[k] ^ key[k % key.size()]);
    }
    return bytes;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void store(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

TEST(ClsAsmXor, TextsRoundTripAndKeepTheHighByteOfEachCode) {
    const ClsAsmXor xorer;
    QString text = "KTPW58mnbxz";
    ASSERT_TRUE(xorer.EnDeCrypt(text, ClsAsmXor::CacheKey));
    EXPECT_EQ(text, QString(11, QChar(0)));
    ASSERT_TRUE(xorer.EnDeCrypt(text, ClsAsmXor::CacheKey));
    EXPECT_EQ(text, "KTPW58mnbxz");
    // Only the low bytes meet (the key's own high byte is ignored); the key restarts per call.
    QString wide = QString(QChar(0x20AC)) + QChar(0x00FF) + "a";
    ASSERT_TRUE(xorer.EnDeCrypt(wide, QString(QChar(0x0141)) + "B" + "unused"));
    EXPECT_EQ(wide, QString(QChar(0x20AC ^ 0x41)) + QChar(0xFF ^ 'B') + QChar('a' ^ 'u'));
}

TEST(ClsAsmXor, EmptyTextOrEmptyKeyChangeNothing) {
    QString text = "text";
    QString empty;
    EXPECT_FALSE(ClsAsmXor().EnDeCrypt(empty, "key"));
    EXPECT_FALSE(ClsAsmXor().EnDeCrypt(text, ""));
    EXPECT_EQ(text, "text");
}

// 10000 bytes under a 3-character key go as 8190 + 1810; a key longer than 8192 characters
// would give chunks of 0 bytes and never finish. The target is replaced only when allowed,
// and may be the source: deleting it first, as a plain rewrite would, destroys the source.
TEST(ClsAsmXor, ChunkedFileEqualsWholeFileScramblingAndKeepsWhatItMayNotReplace) {
    const ClsAsmXor xorer;
    QTemporaryDir folder;
    const QString in = folder.filePath("in"), out = folder.filePath("out");
    const QByteArray longKey = pattern(9000).replace('\0', 'k');
    for (const auto& [size, key] : std::vector<std::pair<qsizetype, QByteArray>>{
             {10000, "abc"}, {8190, "abc"}, {0, "abc"}, {20000, longKey}}) {
        store(in, pattern(size));
        ASSERT_TRUE(xorer.EnDeCryptFile(in, out, QString::fromLatin1(key), true));
        EXPECT_EQ(contents(out), xorReference(pattern(size), key)) << size;
    }
    store(out, "keep me");
    EXPECT_FALSE(xorer.EnDeCryptFile(in, out, "k"));
    EXPECT_FALSE(xorer.EnDeCryptFile(folder.filePath("missing"), out, "k", true));
    EXPECT_FALSE(xorer.EnDeCryptFile(in, out, "", true));
    EXPECT_EQ(contents(out), "keep me");
    store(in, "plain");
    ASSERT_TRUE(xorer.EnDeCryptFile(in, in, "k", true));
    EXPECT_EQ(contents(in), xorReference("plain", "k"));
}
