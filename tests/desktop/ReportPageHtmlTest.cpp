#include "desktop/ReportPageHtml.h"

#include "platform/dom/Document.h"

#include <gtest/gtest.h>

namespace {

struct RuleCase {
    const char* name;
    StyleRule written;
    const char* shown;
};

class ReportPageHtmlTest : public ::testing::TestWithParam<RuleCase> {};

const RuleCase kRules[] = {
    {"ClassSelectorsKeepTheirCase", {".nonFree", "color:#000000;"}, ".nonFree{color:#000000;}"},
    {"ElementSelectorsAreLowerCased",
     {"TABLE", "border-collapse:collapse;"},
     "table{border-collapse:collapse;}"},
    {"BareNumbersBecomePixels", {"TD", "font-size:14;"}, "td{font-size:14px;}"},
    {"BordersToo", {"TD", "border:1 solid black;"}, "td{border:1px solid black;}"},
    {"ColoursAndUnitsStay", {"TD", "width:10em;color:#102030;"}, "td{width:10em;color:#102030;}"},
    {"TheOldFontFaceNamesTheFamily",
     {"Body", "font-face:arial;"},
     "body{font-family:'Liberation Sans', Arial, sans-serif;}"},
    {"UnitlessPropertiesStayUnitless", {"TD", "font-weight:700;"}, "td{font-weight:700;}"},
};

} // namespace

TEST_P(ReportPageHtmlTest, RulesAreWrittenTheWayTheRichTextReadsThem) {
    EXPECT_EQ(ReportPageHtml::displayRule(GetParam().written), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rules, ReportPageHtmlTest, ::testing::ValuesIn(kRules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportPageHtml, OnlyTheShownCopyChangesTheDocumentKeepsItsRules) {
    Document report;
    report.Write(
        "<html><head></head><body><table><tr class=\"free\"><td>x</td></tr></table></body></html>");
    report.Close();
    report.createStyleSheet().AddRule("TD", "font-size:14;");
    const QString shown = ReportPageHtml::forDisplay(report);
    EXPECT_TRUE(shown.contains("td{font-size:14px;}"));
    EXPECT_FALSE(shown.contains("TD{font-size:14;}"));
    EXPECT_TRUE(shown.contains("<tr class=\"free\">"));
    EXPECT_NE(report.outerHTML().find("TD{font-size:14;}"), std::string::npos);
}
