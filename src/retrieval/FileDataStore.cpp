#include "retrieval/FileDataStore.h"

#include "platform/MessagePresenter.h"
#include "retrieval/ClsAsmXor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

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
    const auto failure = [&fileName](const QString& reason) {
        return QStringLiteral("Cannot write %1: %2")
            .arg(QDir::toNativeSeparators(fileName), reason);
    };
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder)) {
        return failure(QStringLiteral("cannot create the folder %1").arg(folder));
    }
    QByteArray bytes = SingleByteText::fromUtf8(text, policy);
    if (scramble) {
        ClsAsmXor().EnDeCrypt(bytes, ClsAsmXor::CacheKey);
    }
    // The old content stays in place until the new one is complete: dying half-way through a
    // write must not cost the user a month of stored rows.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failure(file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        // A short write (disk full, size limit) carries its reason only in errno.
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) {
        return failure(file.errorString());
    }
    return {};
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
    if (QFileInfo(fileName).isDir()) {
        return failure(QStringLiteral("it is a folder"));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(file.errorString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return failure(file.errorString());
    }
    if (descramble) {
        ClsAsmXor().EnDeCrypt(bytes, ClsAsmXor::CacheKey);
    }
    // References written for characters above U+00FF stay references: the page walk compares
    // stored rows with fetched rows as text, and the row text never holds such characters.
    return {ReadStatus::Read, SingleByteText::toUtf8(bytes), {}};
}
