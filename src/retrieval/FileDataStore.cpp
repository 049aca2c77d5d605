#include "retrieval/FileDataStore.h"

#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "retrieval/ClsAsmXor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

void FileDataStore::SaveFileData(const QString& fileName, const std::string& text, bool scramble,
                                 SingleByteText::Unmappable policy) {
    if (fileName.isEmpty()) {
        throw Failure("Cannot write a file without a name");
    }
    QByteArray bytes = SingleByteText::fromUtf8(text, policy);
    if (scramble) {
        ClsAsmXor().EnDeCrypt(bytes, ClsAsmXor::CacheKey);
    }
    // The old content stays in place until the new one is complete: dying half-way through a
    // write must not cost the user a month of stored rows. A month is the user's usage log:
    // other local users have no business reading it.
    AtomicFile::write(fileName, bytes,
                      scramble ? AtomicFile::Access::OwnerOnly : AtomicFile::Access::Shared,
                      AtomicFile::Folder::Create);
}

std::optional<std::string> FileDataStore::readFile(const QString& fileName, bool descramble) {
    if (fileName.isEmpty() || !QFileInfo::exists(fileName)) {
        return std::nullopt;
    }
    QFile file(fileName);
    const auto failure = [&fileName](const QString& reason) {
        return Failure(QStringLiteral("Cannot read %1: %2")
                           .arg(QDir::toNativeSeparators(fileName), reason)
                           .toStdString());
    };
    const QFileInfo info(fileName);
    if (info.isDir()) {
        throw failure(QStringLiteral("it is a folder"));
    }
    // A pipe would block for ever and a link to a device could grow without end.
    if (!info.isFile()) {
        throw failure(QStringLiteral("it is not a regular file"));
    }
    const auto tooLarge = [&failure] {
        return failure(QStringLiteral("it is larger than %1 MB, more than any month holds")
                           .arg(MaxFileBytes / (1024 * 1024)));
    };
    if (info.size() > MaxFileBytes) {
        throw tooLarge();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw failure(file.errorString());
    }
    // Read no more than the limit even if the file grows after the check above, into one
    // buffer of the file's size that is descrambled and, all in ASCII, handed on as it is: a
    // large month is held once while it is read.
    std::string bytes(static_cast<std::size_t>(std::min(info.size(), MaxFileBytes) + 1), '\0');
    const qint64 count = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (count < 0 || file.error() != QFileDevice::NoError) {
        throw failure(file.errorString());
    }
    if (count > MaxFileBytes) {
        throw tooLarge();
    }
    bytes.resize(static_cast<std::size_t>(count));
    if (descramble) {
        ClsAsmXor().EnDeCrypt(bytes, ClsAsmXor::CacheKey);
    }
    // References written for characters above U+00FF stay references: the page walk compares
    // stored rows with fetched rows as text, and the row text never holds such characters.
    return SingleByteText::toUtf8(std::move(bytes));
}
