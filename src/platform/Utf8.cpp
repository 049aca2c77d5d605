#include "platform/Utf8.h"

namespace {

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

} // namespace

char32_t Utf8::next(std::string_view text, std::size_t& pos) {
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
        return Utf8::Replacement;
    }
    if (pos + static_cast<std::size_t>(length) > text.size()) {
        ++pos;
        return Utf8::Replacement;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return Utf8::Replacement;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < sequence.minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return Utf8::Replacement;
    }
    pos += static_cast<std::size_t>(length);
    return value;
}

void Utf8::append(std::string& out, char32_t c) {
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

bool Utf8::isValid(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (next(text, pos) == Replacement && text.substr(start, 3) != "\xEF\xBF\xBD") {
            return false;
        }
    }
    return true;
}
