#include "report/ReportExport.h"

#include "../report/ReportFixtures.h"
#include "platform/dom/Document.h"
#include "report/ReportBuilder.h"

#include <gtest/gtest.h>

namespace {

std::string exportOf(const std::string& rows, ReportOptions options = {}) {
    ReportBuilder builder;
    Document report{Document::Scripts::Strip};
    builder.GrabbingFinished({rows, "2007-03", FixedPoint()});
    builder.WriteOutput(options, &report);
    return ReportExport::csvText(report);
}

const char* header =
    "Service, From, To, Send(Kb), Receive(Kb), Bandwidth(Kb), Duration, Charged Usage(KB)\r\n";

} // namespace

// Whole exports, byte for byte, are checked by the report command tests.
TEST(ReportExport, FieldsAreNeitherQuotedNorEscaped) {
    const std::string row =
        "<tr><td> 7 </td><td>a, b</td><td>2007-03-05 10:00:00</td><td>2007-03-05 11:00:00</td>"
        "<td></td><td>200</td><td>300</td><td>01:00:00</td><td>300</td></tr>";
    EXPECT_EQ(
        exportOf(row),
        std::string(header) +
            "7, a, b, 2007-03-05 10:00:00, 2007-03-05 11:00:00, , 200, 300, 01:00:00, 300\r\n");
    EXPECT_EQ(exportOf(""), header);
}

TEST(ReportExport, ShortRowsStopTheExport) {
    auto document =
        Document::parse("<table></table><table><tr><td>t</td></tr>"
                        "<tr><td></td><td>a</td><td>b</td></tr><tr><td>x</td></tr></table>");
    EXPECT_THROW(ReportExport::csvText(*document), ExportError);
    EXPECT_THROW(ReportExport::csvText(*Document::parse("<p>none</p>")), ExportError);
}
