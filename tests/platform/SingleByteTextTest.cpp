#include "platform/SingleByteText.h"

#include "platform/Utf8.h"

#include <gtest/gtest.h>

using SingleByteText::Unmappable;

TEST(SingleByteText, CharactersAboveOneByteBecomeReferencesOrQuestionMarks) {
    struct Case {
        std::string utf8;
        QByteArray references;
        QByteArray questionMarks;
    };
    const std::vector<Case> cases = {
        {"\xC3\x89lan \xC3\xBF", "\xC9lan \xFF", "\xC9lan \xFF"},
        {std::string("a\0b", 3), QByteArray("a\0b", 3), QByteArray("a\0b", 3)},
        {"5 \xE2\x82\xAC \xF0\x9F\x98\x80", "5 &#8364; &#128512;", "5 ? ?"},
        // Overlong, lone continuation, surrogate, cut short, beyond Unicode: one U+FFFD a byte.
        {"\xC0\xAF|\x80|\xED\xA0\x80|\xE2\x82|\xF4\x90\x80\x80",
         "&#65533;&#65533;|&#65533;|&#65533;&#65533;&#65533;|&#65533;&#65533;|"
         "&#65533;&#65533;&#65533;&#65533;",
         "??|?|???|??|????"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SingleByteText::fromUtf8(c.utf8, Unmappable::CharacterReference), c.references);
        EXPECT_EQ(SingleByteText::fromUtf8(c.utf8, Unmappable::QuestionMark), c.questionMarks);
        EXPECT_EQ(Utf8::isValid(c.utf8), !c.references.contains("&#65533;")) << c.utf8;
    }
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    EXPECT_EQ(SingleByteText::fromUtf8(SingleByteText::toUtf8(all), Unmappable::QuestionMark), all);
    // bytes handed over read the same, whether all ASCII (kept as they are) or not
    EXPECT_EQ(SingleByteText::toUtf8(all.toStdString()), SingleByteText::toUtf8(all));
    EXPECT_EQ(SingleByteText::toUtf8(std::string("<tr>plain</tr>")), "<tr>plain</tr>");
}
