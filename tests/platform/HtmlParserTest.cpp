// The HTML parser and serialiser read directly (inner text is in DocumentTest, malformed UTF-8
// in SingleByteTextTest): the walk and the report rely on a page parsed here reading back as a
// browser would build it, and on a row written out and parsed again being the same row.
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"

#include <gtest/gtest.h>
#include <string>

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
    {"QuotesInTextAndAttributes",
     "<table><tr class=td01 onclick=x><TD Align=left>A &amp; B &lt;c&gt; \"q\"</TD>"
     "<td title='say \"hi\"'>\u20ac&nbsp;\u00e9</td></tr></table>",
     "<table><tbody><tr class=\"td01\" onclick=\"x\"><td align=\"left\">A &amp; B &lt;c&gt; "
     "\"q\"</td><td title=\"say &quot;hi&quot;\">&#8364;&nbsp;\u00e9</td></tr></tbody></table>"},
};

INSTANTIATE_TEST_SUITE_P(Html, ParseAndWrite, testing::ValuesIn(markupCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
