#include "retrieval/ClsAsmXor.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <array>

namespace {

// The byte-wise XOR loop in x86-64 machine code (data, count, key, key length in the System V
// argument registers). Kept as the table GenCodeString reports; nothing executes it, the
// scrambling itself is portable C++.
constexpr std::array<std::uint8_t, 39> kXorRoutine = {
    0x48, 0x85, 0xF6,       // test rsi, rsi
    0x74, 0x21,             // jz done
    0x4D, 0x31, 0xC0,       // xor r8, r8
    0x4D, 0x31, 0xC9,       // xor r9, r9
    0x42, 0x8A, 0x04, 0x0A, // again: mov al, [rdx+r9]
    0x42, 0x30, 0x04, 0x07, // xor [rdi+r8], al
    0x49, 0xFF, 0xC1,       // inc r9
    0x49, 0x39, 0xC9,       // cmp r9, rcx
    0x72, 0x03,             // jb next
    0x4D, 0x31, 0xC9,       // xor r9, r9
    0x49, 0xFF, 0xC0,       // next: inc r8
    0x49, 0x39, 0xF0,       // cmp r8, rsi
    0x72, 0xE5,             // jb again
    0xC3,                   // done: ret
};

// The low byte of each key character: a key is a text of 16-bit codes.
std::string keyBytes(const QString& key) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(key.size()));
    for (const QChar c : key) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
    }
    return bytes;
}

} // namespace

std::span<const std::uint8_t> ClsAsmXor::defaultRoutine() {
    return kXorRoutine;
}

ClsAsmXor::ClsAsmXor(std::span<const std::uint8_t> routine)
    : m_routine(routine)
    , m_ready(!routine.empty()) {}

bool ClsAsmXor::EnDeCrypt(QString& str, const QString& Password) const {
    if (!m_ready || str.isEmpty() || Password.isEmpty()) {
        return false;
    }
    QChar* text = str.data();
    for (qsizetype i = 0, k = 0; i < str.size(); ++i) {
        const char16_t keyLow = Password.at(k).unicode() & 0xFF;
        text[i] = QChar(static_cast<char16_t>(text[i].unicode() ^ keyLow));
        k = k + 1 == Password.size() ? 0 : k + 1;
    }
    return true;
}

bool ClsAsmXor::EnDeCrypt(QByteArray& bytes, std::string_view Password) const {
    return scrambleBytes(bytes.data(), bytes.size(), Password);
}

bool ClsAsmXor::EnDeCrypt(std::string& bytes, std::string_view Password) const {
    return scrambleBytes(bytes.data(), static_cast<qsizetype>(bytes.size()), Password);
}

bool ClsAsmXor::scrambleBytes(char* data, qsizetype size, std::string_view key) const {
    if (!m_ready || size == 0 || key.empty()) {
        return false;
    }
    // A running key position: a division per byte costs more than the XOR on month-sized text.
    std::size_t k = 0;
    for (qsizetype i = 0; i < size; ++i) {
        data[i] = static_cast<char>(data[i] ^ key[k]);
        if (++k == key.size()) {
            k = 0;
        }
    }
    return true;
}

qsizetype ClsAsmXor::chunkSize(qsizetype keyLength) {
    constexpr qsizetype preferred = 8192;
    if (keyLength <= 0) {
        return 0;
    }
    // A key longer than the preferred size would give chunks of 0 bytes and never advance.
    if (keyLength > preferred) {
        return keyLength;
    }
    return preferred - preferred % keyLength;
}

bool ClsAsmXor::EnDeCryptFile(const QString& FileFrom, const QString& FileTo,
                              const QString& Password, bool OverWrite) const {
    if (!m_ready || FileFrom.isEmpty() || FileTo.isEmpty() || Password.isEmpty() ||
        !QFile::exists(FileFrom)) {
        return false;
    }
    if (QFile::exists(FileTo) && !OverWrite) {
        return false;
    }
    QFile source(FileFrom);
    QSaveFile target(FileTo);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string key = keyBytes(Password);
    const qsizetype chunk = chunkSize(static_cast<qsizetype>(key.size()));
    while (!source.atEnd()) {
        QByteArray part = source.read(chunk);
        if (part.isEmpty()) {
            target.cancelWriting();
            return false;
        }
        scrambleBytes(part.data(), part.size(), key);
        if (target.write(part) != part.size()) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
}

QString ClsAsmXor::GenCodeString(bool CopyToClipboard) const {
    QString text;
    text.reserve(static_cast<qsizetype>(m_routine.size() * 2));
    for (const std::uint8_t byte : m_routine) {
        text += QString::number(byte, 16).toUpper().rightJustified(2, u'0');
    }
    if (CopyToClipboard && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    }
    return text;
}
