#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <string>
#include <string_view>

// Program text is UTF-8; the month files and exports hold one byte per character (Latin-1).
// This is the one place where text crosses between the two.
namespace SingleByteText {

// What becomes of a character above U+00FF, which no single byte can hold.
enum class Unmappable {
    // "&#8364;": HTML and cache text, where the reader turns it back into the character.
    CharacterReference,
    // "?": plain-text exports, where a reference would show as literal text.
    QuestionMark,
};

// UTF-8 text as Latin-1 bytes. An invalid UTF-8 sequence counts as U+FFFD.
QByteArray fromUtf8(std::string_view utf8, Unmappable policy);

// Latin-1 bytes as UTF-8 text; every byte is a character, so any input reads.
std::string toUtf8(QByteArrayView latin1);
// The same for bytes the caller gives up: text all in ASCII, as a month file usually is, is
// its own UTF-8 and comes back without a copy.
std::string toUtf8(std::string&& latin1);

} // namespace SingleByteText
