#include "retrieval/FileDataStore.h"

#include "platform/AtomicFile.h"
#include "platform/MessagePresenter.h"
#include "retrieval/ClsAsmXor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

FileDataStore::FileDataStore(MessagePresenter& messages)
    : m_messages(messages) {}

bool FileDataStore::SaveFileData(const QString& fileName, const std::string& text, bool scramble,
                                 SingleByteText::Unmappable policy) const {
    const QString error = writeFile(fileName, text, scramble, policy);
    if (error.isEmpty()) {
        return true;
    }
    m_messages.show(error, ApplicationTitle, MessageIcon::Critical);
    return false;
}

std::string FileDataStore::ReadFileData(const QString& fileName, bool descramble) const {
    ReadResult result = readFile(fileName, descramble);
    if (result.status == ReadStatus::Unreadable) {
        m_messages.show(result.error, ApplicationTitle, MessageIcon::Critical);
    }
    return std::move(result.text);
}

QString FileDataStore::writeFile(const QString& fileName, const std::string& text, bool scramble,
                                 SingleByteText::Unmappable policy) {
    if (fileName.isEmpty()) {
        return QStringLiteral("Cannot write a file without a name");
    }
    QByteArray bytes = SingleByteText::fromUtf8(text, policy);
    if (scramble) {
        ClsAsmXor().EnDeCrypt(bytes, ClsAsmXor::CacheKey);
    }
    // The old content stays in place until the new one is complete: dying half-way through a
    // write must not cost the user a month of stored rows. A month is the user's usage log:
    // other local users have no business reading it.
    const QString reason = AtomicFile::write(
        fileName, bytes, scramble ? AtomicFile::Access::OwnerOnly : AtomicFile::Access::Shared,
        AtomicFile::Folder::Create);
    return reason.isEmpty() ? reason
                            : QStringLiteral("Cannot write %1: %2")
                                  .arg(QDir::toNativeSeparators(fileName), reason);
}

FileDataStore::ReadResult FileDataStore::readFile(const QString& fileName, bool descramble) {
    if (fileName.isEmpty()) {
        return {ReadStatus::NoName, {}, {}};
    }
    if (!QFileInfo::exists(fileName)) {
        return {ReadStatus::Missing, {}, {}};
    }
    QFile file(fileName);
    const auto failure = [&fileName](const QString& reason) {
        return ReadResult{
            ReadStatus::Unreadable,
            {},
            QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(fileName), reason)};
    };
    const QFileInfo info(fileName);
    if (info.isDir()) {
        return failure(QStringLiteral("it is a folder"));
    }
    // A pipe would block for ever and a link to a device could grow without end.
    if (!info.isFile()) {
        return failure(QStringLiteral("it is not a regular file"));
    }
    const auto tooLarge = [&failure] {
        return failure(QStringLiteral("it is larger than %1 MB, more than any month holds")
                           .arg(MaxFileBytes / (1024 * 1024)));
    };
    if (info.size() > MaxFileBytes) {
        return tooLarge();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(file.errorString());
    }
    // Read no more than the limit even if the file grows after the check above, into one
    // buffer of the file's size that is descrambled and, all in ASCII, handed on as it is: a
    // large month is held once while it is read.
    std::string bytes(static_cast<std::size_t>(std::min(info.size(), MaxFileBytes) + 1), '\0');
    const qint64 count = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (count < 0 || file.error() != QFileDevice::NoError) {
        return failure(file.errorString());
    }
    if (count > MaxFileBytes) {
        return tooLarge();
    }
    bytes.resize(static_cast<std::size_t>(count));
    if (descramble) {
        ClsAsmXor().EnDeCrypt(bytes, ClsAsmXor::CacheKey);
    }
    // References written for characters above U+00FF stay references: the page walk compares
    // stored rows with fetched rows as text, and the row text never holds such characters.
    return {ReadStatus::Read, SingleByteText::toUtf8(std::move(bytes)), {}};
}
