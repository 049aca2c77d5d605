#pragma once

#include "platform/SingleByteText.h"
#include "platform/Version.h"

#include <QString>
#include <optional>
#include <string>

// Reads and writes the month files (and other single-byte text files): text scrambled with the
// cache key on request, one byte per character, a file replaced only once its new content is
// complete on disk. A failure throws a Failure that names the file and says why.
namespace FileDataStore {

inline constexpr const char* ApplicationTitle = Version::ApplicationTitle;
// Files larger than this are refused unread: a month of rows is a few megabytes.
inline constexpr qint64 MaxFileBytes = qint64{256} * 1024 * 1024;

// Replaces fileName with `text` (UTF-8), scrambled when asked; the caller's text is never
// changed. Creates a missing folder. On failure the old file is left as it was.
void SaveFileData(
    const QString& fileName, const std::string& text, bool scramble,
    SingleByteText::Unmappable policy = SingleByteText::Unmappable::CharacterReference);

// The whole file as UTF-8 text, descrambled when asked; nothing for an empty name or a missing
// file. A file that is there but cannot be read (anything but a regular file, one over
// MaxFileBytes) throws: a damaged month must never pass for an empty or a missing one.
std::optional<std::string> readFile(const QString& fileName, bool descramble);

// readFile with "" for an empty name or a missing file.
inline std::string ReadFileData(const QString& fileName, bool descramble) {
    return readFile(fileName, descramble).value_or(std::string());
}

} // namespace FileDataStore
