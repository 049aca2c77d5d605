#include "report/ReportFormatting.h"
#include "report/ReportTemplate.h"

#include <gtest/gtest.h>

TEST(ReportFormatting, SizeTextsOfTheDailyCells) {
    EXPECT_EQ(GetKBMBGBString(FixedPoint(1023)), "1023 KB");
    EXPECT_EQ(GetKBMBGBString(FixedPoint(1024)), "1024 KB<BR>1.00 MB");
    EXPECT_EQ(GetKBMBGBString(FixedPoint(1048576)), "1048576 KB<BR>1024.00 MB<BR>1.00 GB");
    EXPECT_EQ(GetKBMBGBString(FixedPoint(-5000)), "-5000 KB");
    EXPECT_EQ(GetKBMBGBString(FixedPoint(1038400)), "1038400 KB<BR>1014.06 MB");
}

TEST(ReportFormatting, HtmlColoursPutRedFirst) {
    EXPECT_EQ(ColorToHTML(16711680), "#0000FF");
    EXPECT_EQ(ColorToHTML(0), "#000000");
    EXPECT_EQ(ColorToHTML(14811105), "#E1FFE1");
    EXPECT_EQ(ColorToHTML(0x80000005u), "#050000"); // only the last six digits count
}

TEST(ReportTemplate, MarkersAreReplacedInOnePass) {
    const std::string filled =
        ReportTemplate::fill("##kb##|##row##|##month-year##|##note##|## x",
                             {"M", "1", "2", "3", "N", "##kb####month-year##"});
    EXPECT_EQ(filled, "1|##kb####month-year##|M|N|## x");
    const std::string text = ReportTemplate::text();
    EXPECT_EQ(text.find("##row##"), text.rfind("##row##"));
    EXPECT_NE(text.find("Detail listing&nbsp;for ##month-year##"), std::string::npos);
}
