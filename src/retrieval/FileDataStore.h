#pragma once

#include "platform/SingleByteText.h"
#include "platform/Version.h"

#include <QString>
#include <string>

class MessagePresenter;

// Reads and writes the month files (and other single-byte text files): text scrambled with the
// cache key on request, one byte per character, a file replaced only once its new content is
// complete on disk. Failures are shown to the user and reported to the caller.
class FileDataStore {
public:
    enum class ReadStatus { Read, NoName, Missing, Unreadable };
    struct ReadResult {
        ReadStatus status = ReadStatus::NoName;
        std::string text; // UTF-8
        QString error;    // the failure's description when Unreadable
    };

    explicit FileDataStore(MessagePresenter& messages);

    // Replaces fileName with `text` (UTF-8), scrambled when asked; the caller's text is never
    // changed. Creates a missing folder. On failure the old file is left as it was, the
    // failure's description is shown, and the result is false.
    bool SaveFileData(
        const QString& fileName, const std::string& text, bool scramble,
        SingleByteText::Unmappable policy = SingleByteText::Unmappable::CharacterReference) const;

    // The whole file as UTF-8 text, descrambled when asked. "" for an empty name or a missing
    // file; "" too for a file that exists but cannot be read, after showing why.
    std::string ReadFileData(const QString& fileName, bool descramble) const;

    // ReadFileData without messages, telling a missing file from an unreadable one (which
    // includes anything but a regular file, and files over MaxFileBytes); callers
    // that must not mistake a damaged month for an empty one use this.
    static ReadResult readFile(const QString& fileName, bool descramble);
    // SaveFileData without messages: the failure's description, or an empty text on success.
    static QString writeFile(const QString& fileName, const std::string& text, bool scramble,
                             SingleByteText::Unmappable policy);

    static constexpr const char* ApplicationTitle = Version::ApplicationTitle;
    // Files larger than this are refused unread: a month of rows is a few megabytes.
    static constexpr qint64 MaxFileBytes = qint64{256} * 1024 * 1024;

private:
    MessagePresenter& m_messages;
};
