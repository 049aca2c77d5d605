#include "platform/SingleByteText.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct LeadByte {
    int length; // 0: not a lead byte
    char32_t bits;
    char32_t minimum; // smaller values are overlong forms
};

LeadByte leadByte(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) {
        return {2, lead & 0x1Fu, 0x80};
    }
    if ((lead & 0xF0) == 0xE0) {
        return {3, lead & 0x0Fu, 0x800};
    }
    if ((lead & 0xF8) == 0xF0) {
        return {4, lead & 0x07u, 0x10000};
    }
    return {0, 0, 0};
}

// Decodes one UTF-8 sequence at `pos` and moves past it; a malformed sequence (overlong,
// surrogate, out of range, cut short) yields U+FFFD and moves one byte on.
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const LeadByte sequence = leadByte(lead);
    const int length = sequence.length;
    char32_t value = sequence.bits;
    if (length == 0) {
        ++pos;
        return kReplacement;
    }
    if (pos + static_cast<std::size_t>(length) > text.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < sequence.minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += static_cast<std::size_t>(length);
    return value;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

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
        const char32_t c = nextCodePoint(utf8, pos);
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
            appendUtf8(text, static_cast<unsigned char>(bytes[pos++]));
        }
    }
    return text;
}
