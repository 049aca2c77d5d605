#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <sys/stat.h>

namespace {

constexpr auto ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// A short write (disk full, size limit) carries its reason only in errno.
QString reasonOf(const QFileDevice& file) {
    return errno != 0 ? qt_error_string(errno) : file.errorString();
}

void writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw AtomicFile::WriteError(path, file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        throw AtomicFile::WriteError(path, reasonOf(file));
    }
}

} // namespace

void AtomicFile::write(const QString& path, const QByteArray& bytes, Access access, Folder folder) {
    if (path.isEmpty()) {
        throw WriteError(path, QStringLiteral("the file has no name"));
    }
    if (folder == Folder::Create) {
        try {
            makeFolder(QFileInfo(path).absolutePath(), access);
        } catch (const WriteError& folderProblem) {
            throw WriteError(path, folderProblem.reason());
        }
    }
    // A device or a pipe (/dev/stdout, a FIFO) is written in place: there is nothing to
    // replace, and a renamed temporary file must never take the place of a device node.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        writeInPlace(path, bytes);
        return;
    }
    QSaveFile file(path);
    // Unbuffered: every write reaches the file system here, where its failure can be seen.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw WriteError(path, file.errorString());
    }
    if (access == Access::OwnerOnly && file.handle() >= 0 && ::fchmod(file.handle(), 0600) != 0) {
        const QString reason = qt_error_string(errno);
        file.cancelWriting();
        throw WriteError(path, reason);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        throw WriteError(path, reason);
    }
    errno = 0;
    if (!file.commit()) {
        throw WriteError(path, reasonOf(file));
    }
}

void AtomicFile::makeFolder(const QString& folder, Access access) {
    if (QFileInfo(folder).isDir()) {
        return;
    }
    if (!QDir().mkpath(folder)) {
        throw WriteError(folder, QStringLiteral("cannot create the folder %1").arg(folder));
    }
    if (access == Access::OwnerOnly &&
        !QFile::setPermissions(folder, ownerOnlyFile | QFileDevice::ExeOwner)) {
        throw WriteError(folder, QStringLiteral("cannot make the folder %1 private").arg(folder));
    }
}
