// The HTML parser and serialiser read directly (inner text is in DocumentTest): the walk and
// the report rely on a page parsed here reading back as a browser would build it, and on a row
// written out and parsed again being the same row.
#include "platform/Utf8.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct MarkupCase {
    const char* name;
    const char* html;
    const char* body; // the body's inner HTML as we write it
};

class ParseAndWrite : public testing::TestWithParam<MarkupCase> {};

TEST_P(ParseAndWrite, BodyReadsBackAsABrowserBuildsIt) {
    const auto document = Document::parse(GetParam().html);
    const std::string body = document->body()->innerHTML();
    EXPECT_EQ(body, GetParam().body);
    // what we write parses back to itself: a stored row is found again
    EXPECT_EQ(Document::parse(body)->body()->innerHTML(), body);
}

const MarkupCase markupCases[] = {
    {"ImpliedEndTags", "<p>a<p>b", "<p>a</p><p>b</p>"},
    {"StrayEndTagMakesAnEmptyParagraph", "a</p>b", "a<p></p>b"},
    {"Entities", "a &amp; b &lt; &copy; &#65;&#x42; &nbsp;x", "a &amp; b &lt; \u00a9 AB &nbsp;x"},
    {"UnquotedAndUpperCaseAttributes", "<A HREF=page.htm?a=1&b=2 Title=x>y</A>",
     "<a href=\"page.htm?a=1&amp;b=2\" title=\"x\">y</a>"},
    {"VoidElementsHaveNoEnd", "a<br>b<img src=x.png><hr/>c", "a<br>b<img src=\"x.png\"><hr>c"},
    {"TextBeyondLatin1AsReferences", "\u20ac \u00fc \u65e5", "&#8364; \u00fc &#26085;"},
    {"Comments", "a<!-- c -->b", "a<!-- c -->b"},
    {"QuotesInTextAndAttributes",
     "<table><tr class=td01 onclick=x><TD Align=left>A &amp; B &lt;c&gt; \"q\"</TD>"
     "<td title='say \"hi\"'>\u20ac&nbsp;\u00e9</td></tr></table>",
     "<table><tbody><tr class=\"td01\" onclick=\"x\"><td align=\"left\">A &amp; B &lt;c&gt; "
     "\"q\"</td><td title=\"say &quot;hi&quot;\">&#8364;&nbsp;\u00e9</td></tr></tbody></table>"},
};

INSTANTIATE_TEST_SUITE_P(Html, ParseAndWrite, testing::ValuesIn(markupCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::vector<char32_t> codes;
};

class Utf8Decoding : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Decoding, MalformedBytesEachBecomeOneReplacement) {
    std::vector<char32_t> codes;
    const std::string& bytes = GetParam().bytes;
    for (std::size_t at = 0; at < bytes.size();) {
        codes.push_back(Utf8::next(bytes, at));
    }
    EXPECT_EQ(codes, GetParam().codes);
    const bool wellFormed = std::find(GetParam().codes.begin(), GetParam().codes.end(),
                                      Utf8::Replacement) == GetParam().codes.end();
    EXPECT_EQ(Utf8::isValid(bytes), wellFormed);
}

constexpr char32_t R = Utf8::Replacement;

const Utf8Case utf8Cases[] = {
    {"Ascii", "A", {0x41}},
    {"TwoBytes", "\xC3\xA9", {0xE9}},
    {"ThreeBytes", "\xE2\x82\xAC", {0x20AC}},
    {"FourBytes", "\xF0\x9F\x98\x80", {0x1F600}},
    {"Overlong", "\xC0\xAF", {R, R}},
    {"Surrogate", "\xED\xA0\x80", {R, R, R}},
    {"CutShort", "\xE2\x82", {R, R}},
    {"BeyondUnicode", "\xF4\x90\x80\x80", {R, R, R, R}},
    {"LoneContinuation", "a\x80z", {0x61, R, 0x7A}},
};

INSTANTIATE_TEST_SUITE_P(Text, Utf8Decoding, testing::ValuesIn(utf8Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
