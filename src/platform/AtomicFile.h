#pragma once

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

// Makes a folder and the folders above it; a private one is for its owner only. Returns why
// it could not, or an empty text (also when the folder is there already).
QString makeFolder(const QString& folder, Access access);

// Replaces `path` with `bytes`. Returns why it failed (the caller names the file in its own
// words), or an empty text on success.
QString write(const QString& path, const QByteArray& bytes, Access access = Access::Shared,
              Folder folder = Folder::MustExist);

} // namespace AtomicFile
