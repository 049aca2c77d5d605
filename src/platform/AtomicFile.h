#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>

// The one way the program writes a file: the new content goes to a temporary file beside the
// old one, every write is checked, and only a complete file replaces the old one. A full
// disk, a quota or a device that refuses the bytes leaves the old file as it was. Devices and
// pipes (/dev/stdout, a FIFO) are written in place, with the same checks.
namespace AtomicFile {

enum class Access {
    Shared,    // the user's umask decides (report files the user asked for)
    OwnerOnly, // 0600, in a 0700 folder when the folder is created here (usage logs)
};

enum class Folder {
    MustExist, // a file the user named: a mistyped folder is an error, not a new folder
    Create,    // the program's own files: a missing folder is made
};

// A file that could not be written: "Cannot write <path>: <reason>". Callers that name the
// file in their own words take the reason alone.
class WriteError : public Failure {
public:
    WriteError(const QString& path, const QString& reason)
        : Failure(QStringLiteral("Cannot write %1: %2").arg(path, reason).toStdString())
        , m_reason(reason) {}
    const QString& reason() const { return m_reason; }

private:
    QString m_reason;
};

// Makes a folder and the folders above it (nothing to do when it is there); a private one is
// for its owner only. Throws WriteError naming the folder.
void makeFolder(const QString& folder, Access access);

// Replaces `path` with `bytes`. Throws WriteError.
void write(const QString& path, const QByteArray& bytes, Access access = Access::Shared,
           Folder folder = Folder::MustExist);

} // namespace AtomicFile
