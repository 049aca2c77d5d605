#include "platform/SingleByteText.h"

#include "platform/Utf8.h"

#include <cstdint>

namespace {

// The number of bytes below 0x80 from `pos` on.
std::size_t asciiRun(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80) {
        ++end;
    }
    return end - pos;
}

} // namespace

QByteArray SingleByteText::fromUtf8(std::string_view utf8, Unmappable policy) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(utf8.size()));
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Row text is nearly all ASCII: copy such runs whole.
        const std::size_t run = asciiRun(utf8, pos);
        bytes.append(utf8.data() + pos, static_cast<qsizetype>(run));
        pos += run;
        if (pos == utf8.size()) {
            break;
        }
        const char32_t c = Utf8::next(utf8, pos);
        if (c <= 0xFF) {
            bytes.append(static_cast<char>(c));
        } else if (policy == Unmappable::QuestionMark) {
            bytes.append('?');
        } else {
            bytes.append("&#").append(QByteArray::number(static_cast<uint>(c))).append(';');
        }
    }
    return bytes;
}

std::string SingleByteText::toUtf8(std::string&& latin1) {
    if (asciiRun(latin1, 0) == latin1.size()) {
        return std::move(latin1);
    }
    return toUtf8(QByteArrayView(latin1.data(), static_cast<qsizetype>(latin1.size())));
}

std::string SingleByteText::toUtf8(QByteArrayView latin1) {
    std::string text;
    text.reserve(static_cast<std::size_t>(latin1.size()));
    std::size_t pos = 0;
    const std::string_view bytes(latin1.data(), static_cast<std::size_t>(latin1.size()));
    while (pos < bytes.size()) {
        const std::size_t run = asciiRun(bytes, pos);
        text.append(bytes.substr(pos, run));
        pos += run;
        if (pos < bytes.size()) {
            Utf8::append(text, static_cast<unsigned char>(bytes[pos++]));
        }
    }
    return text;
}
