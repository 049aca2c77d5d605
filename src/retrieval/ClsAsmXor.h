#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Repeating-key XOR scrambling of texts and whole files: keeps casual readers from seeing the
// stored password or the month logs in plain text (it is not encryption). Scrambling twice
// with the same key restores the input.
class ClsAsmXor {
public:
    // Key of the portal password kept in the settings store.
    static constexpr char PasswordKey[] = "mvtrakdelqo";
    // Key of the month cache files.
    static constexpr char CacheKey[] = "KTPW58mnbxz";

    // The routine table this build prepares; an empty table leaves the object not ready.
    static std::span<const std::uint8_t> defaultRoutine();

    explicit ClsAsmXor(std::span<const std::uint8_t> routine = defaultRoutine());

    bool ready() const { return m_ready; }

    // 16-bit character codes: the low byte of each character is XORed with the low byte of
    // the key character at the same position (the key restarts at every call); the high byte
    // is kept. False, with `str` unchanged, when not ready or either text is empty.
    bool EnDeCrypt(QString& str, const QString& Password) const;
    // The same rule on bytes, for file contents and single-byte cache text.
    bool EnDeCrypt(QByteArray& bytes, std::string_view Password) const;
    bool EnDeCrypt(std::string& bytes, std::string_view Password) const;

    // Writes the scrambled bytes of FileFrom to FileTo. The target is replaced atomically, so
    // a failure (or FileTo naming FileFrom itself) never leaves a half-written file.
    bool EnDeCryptFile(const QString& FileFrom, const QString& FileTo, const QString& Password,
                       bool OverWrite = false) const;

    // The routine table as upper-case hexadecimal text, two digits a byte. Copies it to the
    // clipboard when asked and the program has a GUI application object.
    QString GenCodeString(bool CopyToClipboard = false) const;

    // Bytes scrambled per read: the largest multiple of the key length not above 8192, so
    // every chunk starts at key position 0 (one key length when the key itself is longer).
    static qsizetype chunkSize(qsizetype keyLength);

private:
    bool scrambleBytes(char* data, qsizetype size, std::string_view key) const;

    std::span<const std::uint8_t> m_routine;
    bool m_ready;
};
