#include "report/ReportExport.h"

#include "../report/ReportFixtures.h"
#include "platform/dom/Document.h"
#include "report/ReportBuilder.h"

#include <gtest/gtest.h>

namespace {

std::string exportOf(const std::string& rows, ReportOptions options = {}) {
    ReportBuilder builder;
    RecordingResultView view;
    builder.GrabbingFinished({rows, "2007-03", FixedPoint()});
    builder.WriteOutput(options, view);
    return ReportExport::csvText(view.document);
}

const char* header =
    "Service, From, To, Send(Kb), Receive(Kb), Bandwidth(Kb), Duration, Charged Usage(KB)\r\n";

} // namespace

TEST(ReportExport, CsvHasTheHeaderAndNineFieldsPerRowWithoutTheDailyTotal) {
    const std::string row =
        "<tr><td></td><td>ADSL</td><td>2007-03-05 10:00:00</td><td>2007-03-05 11:00:00</td>"
        "<td>100</td><td>200</td><td>300</td><td>01:00:00</td><td>300</td></tr>";
    EXPECT_EQ(
        exportOf(row),
        std::string(header) +
            "ADSL, 2007-03-05 10:00:00, 2007-03-05 11:00:00, 100, 200, 300, 01:00:00, 300\r\n");
    EXPECT_EQ(exportOf(""), header);
}

TEST(ReportExport, FieldsAreNeitherQuotedNorEscaped) {
    const std::string row =
        "<tr><td> 7 </td><td>a, b</td><td>2007-03-05 10:00:00</td><td>2007-03-05 11:00:00</td>"
        "<td></td><td>200</td><td>300</td><td>01:00:00</td><td>300</td></tr>";
    EXPECT_EQ(
        exportOf(row),
        std::string(header) +
            "7, a, b, 2007-03-05 10:00:00, 2007-03-05 11:00:00, , 200, 300, 01:00:00, 300\r\n");
}

TEST(ReportExport, ShortRowsStopTheExport) {
    auto document =
        Document::parse("<table></table><table><tr><td>t</td></tr>"
                        "<tr><td></td><td>a</td><td>b</td></tr><tr><td>x</td></tr></table>");
    EXPECT_THROW(ReportExport::csvText(*document), ExportError);
    EXPECT_THROW(ReportExport::csvText(*Document::parse("<p>none</p>")), ExportError);
}

TEST(ReportExport, HtmlTextIsTheReportAsShown) {
    ReportBuilder builder;
    RecordingResultView view;
    builder.GrabbingFinished(
        {logRow("2007-03-05 10:00:00", "2007-03-05 11:00:00", 5, 5), "2007-03", FixedPoint()});
    builder.WriteOutput({}, view);
    const std::string html = ReportExport::htmlText(view.document);
    EXPECT_EQ(html.rfind("<html>", 0), 0u);
    EXPECT_NE(html.find("<tr usagetype=\"nonfree\" class=\"nonfree\">"), std::string::npos);
    EXPECT_NE(html.find("class=\"dailytotal\""), std::string::npos);
    EXPECT_NE(html.find("<style>\n.free{color:#000000;}"), std::string::npos);
}

TEST(ReportExport, SaveDialogNames) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {{"usage", "usage.htm"},         {"usage.htm", "usage.htm"},
                 {"usage.HTM", "usage.HTM.htm"}, {"a.htm.bak", "a.htm.bak"},
                 {"/tmp/x.htmx", "/tmp/x.htmx"}, {"/tmp/y", "/tmp/y.htm"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReportExport::withExtension(c.chosen, "htm"), c.saved) << c.chosen;
    }
    EXPECT_EQ(ReportExport::withExtension(std::string("report\0\0\0", 9), "csv"), "report.csv");
}
