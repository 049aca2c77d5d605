#include "platform/AsciiCase.h"
#include "platform/dom/Document.h"

#include <gtest/gtest.h>

namespace {

struct HostileRow {
    const char* name;
    std::string_view cell;
};

std::string compact(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (static_cast<unsigned char>(c) > ' ') {
            out += AsciiCase::lower(std::string_view(&c, 1));
        }
    }
    return out;
}

// What a browser could run or follow once the saved text is read again.
std::vector<std::string> activeContentIn(const Document& document) {
    std::vector<std::string> found;
    for (const Element* element : document.all()) {
        const std::string& tag = element->tagName();
        if (tag == "script" || tag == "img" || tag == "base" || tag == "link" || tag == "iframe" ||
            (tag == "meta" && element->hasAttribute("http-equiv"))) {
            found.push_back("<" + tag + ">");
        }
        for (const Attribute& attribute : element->attributes()) {
            const std::string value = compact(attribute.value);
            const bool dataAddress = value.rfind("data:", 0) == 0;
            if (attribute.name.rfind("on", 0) == 0 || attribute.name == "action" ||
                attribute.name == "formaction" || attribute.name == "srcset" ||
                attribute.name == "ping" || value.find("javascript:") != std::string::npos ||
                dataAddress) {
                found.push_back(tag + " " + std::string(attribute.name));
            }
        }
    }
    return found;
}

class MarkupSafety : public testing::TestWithParam<HostileRow> {};

// A row is stripped the way the report strips it, saved, and read again by a parser that
// keeps everything: nothing active may come back, and no live <img> may reach the text a
// browser reads with scripting on (where <noscript> content is raw text).
TEST_P(MarkupSafety, SavedRowHoldsNoActiveContentWhenReadAgain) {
    const std::string page =
        "<table><tr><td>" + std::string(GetParam().cell) + "</td></tr></table>";
    const auto stripped = Document::parse(page, Document::Scripts::Strip);
    const std::string saved = stripped->outerHTML();
    EXPECT_EQ(AsciiCase::lower(saved).find("<img"), std::string::npos) << saved;
    const auto reread = Document::parse(saved, Document::Scripts::Keep);
    EXPECT_EQ(activeContentIn(*reread), std::vector<std::string>()) << saved;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MarkupSafety,
    testing::Values(
        HostileRow{"SvgStyleEscapedEndTag",
                   "<svg><style>&lt;/style&gt;&lt;img src=x onerror=alert(1)&gt;</style></svg>"},
        HostileRow{"MathStyleCdata",
                   "<math><style><![CDATA[</style><img src=x onerror=alert(2)>]]></style></math>"},
        HostileRow{"NoscriptAttribute",
                   "<noscript><p title=\"</noscript><img src=x onerror=alert(3)>\"></noscript>"},
        HostileRow{"NoscriptEscapedEndTag",
                   "<noscript>&lt;/noscript&gt;&lt;img src=x onerror=alert(4)&gt;</noscript>"},
        HostileRow{"SvgXmpAndNoframes", "<svg><xmp>&lt;/xmp&gt;&lt;img src=x&gt;</xmp>"
                                        "<noframes>&lt;/noframes&gt;&lt;img src=y&gt;</noframes>"
                                        "</svg>"},
        HostileRow{"MetaRefreshInBody",
                   "<meta http-equiv=\"refresh\" content=\"0;url=https://evil.example/\">x"},
        HostileRow{"FormAndButtonTargets", "<form action=\"https://evil.example/\">"
                                           "<button formaction=\"https://evil.example/\">go"
                                           "</button></form>"},
        HostileRow{"DataAddressLink",
                   "<a href=\" data:text/html,<script>alert(5)</script>\">x</a>"},
        HostileRow{"StylesheetLinkAndBase", "<link rel=stylesheet href=https://evil.example/s.css>"
                                            "<base href=https://evil.example/>"},
        HostileRow{"PingAndSrcset",
                   "<a href=\"#\" ping=\"https://evil.example/\">x</a>"
                   "<picture><source srcset=\"https://evil.example/i\"></picture>"},
        HostileRow{"SvgScriptAddress",
                   "<svg><a xlink:href=\"java&#9;script:alert(6)\"><text>x</text></a></svg>"},
        // after an ignored "</>" gumbo's text of the next start tag begins with it, which
        // once made the whole tag, attributes and all, the name of an unknown element
        HostileRow{"UnknownTagAfterEmptyEndTag",
                   "</><x-a=\"b<c title=\"javascript:alert(8)\">x</x-a=\"b<c>"},
        // an attribute whose name is a NUL byte, saved with no name, would turn its value
        // into markup when read again
        HostileRow{"NulAttributeName",
                   std::string_view("<b \0=\"<i x=\" javascript:alert(7)>x</b>", 38)}),
    [](const testing::TestParamInfo<HostileRow>& info) { return info.param.name; });

TEST(MarkupSafety, ReportHeadKeepsItsOwnMetaAndStyleText) {
    const auto document = Document::parse(
        "<html><head><meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'\">"
        "<style>td > b { color: red }</style></head><body><img src=\"data:image/png;base64,AA\">"
        "</body></html>",
        Document::Scripts::Strip);
    const std::string saved = document->outerHTML();
    EXPECT_NE(saved.find("<meta http-equiv=\"Content-Security-Policy\""), std::string::npos);
    EXPECT_NE(saved.find("<style>td > b { color: red }</style>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<img src=\"data:image/png;base64,AA\">"), std::string::npos);
}

TEST(MarkupSafety, InnerHtmlOfAnyTextBuildsNodesWithoutScripts) {
    const char* fragments[] = {
        "<svg><html><title><template><b>x",
        "<math><html><title><template></template><svg><desc><template>",
        "<svg><html><template><title><select><template><tr>",
        "<b><u>2007-03-05</u></b><BR>1 KB<script>alert(1)</script><img src=x onerror=y()>",
    };
    for (const char* fragment : fragments) {
        const auto document =
            Document::parse("<table><tr><td>x</td></tr></table>", Document::Scripts::Keep);
        Element& cell = *document->getElementsByTagName("td").front();
        cell.setInnerHTML(fragment);
        const std::string inner = cell.innerHTML();
        EXPECT_EQ(inner.find("<script"), std::string::npos) << inner;
        EXPECT_EQ(inner.find("onerror"), std::string::npos) << inner;
    }
}

} // namespace
