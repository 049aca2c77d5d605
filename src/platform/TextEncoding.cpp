#include "platform/TextEncoding.h"

#include "platform/AsciiCase.h"
#include "platform/SingleByteText.h"
#include "platform/Utf8.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cctype>

namespace {

std::string charsetAfter(std::string_view text, std::size_t at) {
    std::size_t i = at;
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '=' || text[i] == '"' || text[i] == '\'')) {
        ++i;
    }
    std::size_t end = i;
    while (end < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-' ||
            text[end] == '_' || text[end] == ':' || text[end] == '.')) {
        ++end;
    }
    return AsciiCase::lower(text.substr(i, end - i));
}

bool isLatin1Name(const std::string& charset) {
    return charset == "iso-8859-1" || charset == "latin1" || charset == "iso8859-1" ||
           charset == "l1" || charset == "latin-1";
}

} // namespace

std::string TextEncoding::charsetFromContentType(std::string_view contentType) {
    const std::string lower = AsciiCase::lower(contentType);
    const auto at = lower.find("charset");
    return at == std::string::npos ? std::string() : charsetAfter(lower, at + 7);
}

std::string TextEncoding::charsetFromMeta(std::string_view page) {
    const std::string head = AsciiCase::lower(page.substr(0, 1024));
    for (std::size_t at = head.find("<meta"); at != std::string::npos;
         at = head.find("<meta", at + 5)) {
        const auto end = head.find('>', at);
        const std::string_view meta = std::string_view(head).substr(
            at, end == std::string::npos ? std::string::npos : end - at);
        const auto charset = meta.find("charset");
        if (charset != std::string_view::npos) {
            return charsetAfter(meta, charset + 7);
        }
    }
    return {};
}

bool TextEncoding::isValidUtf8(std::string_view bytes) {
    return Utf8::isValid(bytes);
}

std::string TextEncoding::pageCharset(std::string_view bytes, std::string_view contentType) {
    std::string charset = charsetFromContentType(contentType);
    if (charset.empty()) {
        charset = charsetFromMeta(bytes);
    }
    if (charset == "utf8" || (charset.empty() && isValidUtf8(bytes))) {
        return "utf-8";
    }
    if (charset == "utf-8") {
        return charset;
    }
    if (isLatin1Name(charset)) {
        return "iso-8859-1";
    }
    // a label the decoder does not know is read the way unlabelled pages are
    if (charset.empty() || !QStringDecoder(charset.c_str()).isValid()) {
        return "windows-1252";
    }
    return charset;
}

std::string TextEncoding::decodePage(std::string_view bytes, std::string_view contentType) {
    const std::string charset = pageCharset(bytes, contentType);
    if (charset == "utf-8") {
        return std::string(bytes);
    }
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (charset == "iso-8859-1") {
        return SingleByteText::toUtf8(view);
    }
    QStringDecoder decoder(charset.c_str());
    if (!decoder.isValid()) {
        return SingleByteText::toUtf8(view);
    }
    const QString text = decoder.decode(view);
    return text.toUtf8().toStdString();
}

std::string TextEncoding::encodeForCharset(std::string_view utf8, std::string_view charset) {
    const std::string name = AsciiCase::lower(charset);
    if (name.empty() || name == "utf-8" || name == "utf8") {
        return std::string(utf8);
    }
    if (isLatin1Name(name)) {
        return SingleByteText::fromUtf8(utf8, SingleByteText::Unmappable::CharacterReference)
            .toStdString();
    }
    QStringEncoder encoder(name.c_str());
    if (!encoder.isValid()) {
        return std::string(utf8);
    }
    const QByteArray bytes =
        encoder.encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    return bytes.toStdString();
}
