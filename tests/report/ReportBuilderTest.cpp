#include "ReportFixtures.h"
#include "report/MonthRows.h"
#include "report/ReportRow.h"

#include <gtest/gtest.h>

namespace {

// Newest first, as the portal lists them: two rows on the 5th above three on the 4th.
std::string sampleRows() {
    return logRow("2007-03-05 10:00:00", "2007-03-05 11:00:00", 2048, 2048) +
           logRow("2007-03-05 03:00:00", "2007-03-05 07:00:00", 1024, 0) +    // free
           logRow("2007-03-04 23:00:00", "2007-03-05 03:00:00", 3000, 1000) + // mixed
           logRow("2007-03-04 12:00:00", "2007-03-04 13:00:00", 512, 512) +
           logRow("2007-03-04 08:00:00", "2007-03-04 09:00:00", 100, 100);
}

class ReportBuilderTest : public testing::Test {
protected:
    ReportBuilder builder;
    Document document{Document::Scripts::Strip};
    ReportOptions options;
    std::optional<ReportOutcome> outcome;

    void build(const std::string& rows, FixedPoint siteTotal = FixedPoint()) {
        builder.GrabbingFinished({rows, "2007-03", siteTotal});
        rebuild();
    }
    void rebuild() {
        outcome = builder.WriteOutput(options, &document);
        ASSERT_TRUE(outcome);
    }
};

TEST_F(ReportBuilderTest, DailyTotalsSpanEachRunOfADate) {
    options.mblnNightUnlimitedPlan = true;
    build(sampleRows());
    const auto rows = detailRows(document);
    ASSERT_EQ(rows.size(), 7u);
    std::vector<std::size_t> cellCounts;
    for (std::size_t i = 2; i < rows.size(); ++i) {
        cellCounts.push_back(rows[i]->cells().size());
    }
    EXPECT_EQ(cellCounts, (std::vector<std::size_t>{10, 9, 10, 9, 9}));
    const Element* fifth = rows[2]->cells()[9];
    EXPECT_EQ(fifth->rowSpan(), 2);
    EXPECT_EQ(fifth->className(), "dailytotal");
    EXPECT_EQ(fifth->align(), "middle");
    EXPECT_EQ(fifth->innerHTML(),
              "<b><u>2007-03-05</u></b><br>3072 KB<br>3.00 MB<br><b><u>Charged</u></b>"
              "<br>2048 KB<br>2.00 MB<br><b><u>Free</u></b><br>1024 KB<br>1.00 MB");
    EXPECT_EQ(rows[4]->cells()[9]->rowSpan(), 3);
    EXPECT_EQ(rows[4]->cells()[9]->innerText(),
              "2007-03-04\n3612 KB\n3.53 MB\nCharged\n1612 KB\n1.57 MB\nFree\n2000 KB\n1.95 MB");
    // The topmost run's charged part is the last day's usage.
    EXPECT_EQ(outcome->totals.mlngLastDayUsageKB, 2048);
    EXPECT_EQ(outcome->totals.mlngTotalBandwidthKB, 6684);
    EXPECT_EQ(outcome->totals.mlngTotalChargedKB, 3660);
    EXPECT_EQ(outcome->totals.mdtLastRecordedDate.toText(), "2007-03-05 11:00:00");
    ASSERT_EQ(outcome->days.size(), 2u);
    EXPECT_EQ(outcome->days[0].date, "2007-03-05");
    EXPECT_EQ(outcome->days[1].rows, 3);
}

TEST_F(ReportBuilderTest, TheWalksRowNodesGiveTheReportOfTheirText) {
    options.mblnNightUnlimitedPlan = true;
    build(sampleRows());
    const std::string fromText = document.outerHTML();
    const auto rowNodes = [] {
        std::shared_ptr<Document> rows = MonthRows::create();
        EXPECT_TRUE(MonthRows::parseInto(*rows, sampleRows()));
        return rows;
    };
    // held by the builder alone: moved into the first report, the text read for the next
    ReportBuilder owner;
    owner.GrabbingFinished({sampleRows(), "2007-03", FixedPoint(), {rowNodes()}});
    for (int build = 0; build < 2; ++build) {
        ASSERT_TRUE(owner.WriteOutput(options, &document));
        EXPECT_EQ(document.outerHTML(), fromText);
    }
    // held elsewhere too: copied, and the other holder's rows stay as they were
    const auto shared = rowNodes();
    const std::string before = shared->outerHTML();
    ReportBuilder sharing;
    sharing.GrabbingFinished({sampleRows(), "2007-03", FixedPoint(), {shared}});
    ASSERT_TRUE(sharing.WriteOutput(options, &document));
    EXPECT_EQ(document.outerHTML(), fromText);
    EXPECT_EQ(shared->outerHTML(), before);
}

// Everything a report hands on besides its document, as one text.
std::string figuresOf(const ReportOutcome& outcome) {
    std::string text = std::to_string(outcome.rowsRead) + "/" + std::to_string(outcome.rowsKept) +
                       " " + outcome.keptKB.toText() + " " + outcome.kbText + " " + outcome.mbText +
                       " " + outcome.gbText + " " + outcome.monthYearText + " " + outcome.note +
                       " avg " + outcome.averagePerDay;
    for (const ReportDay& day : outcome.days) {
        text += " " + day.date + ":" + std::to_string(day.rows) + ":" + day.totalKB.toText() + ":" +
                day.chargedKB.toText() + ":" + day.freeKB.toText();
    }
    for (UsageType type : outcome.classes) {
        text += " " + std::string(usageTypeName(type));
    }
    const MonthTotals& totals = outcome.totals;
    return text + " " + std::to_string(totals.mlngTotalBandwidthKB) + " " +
           std::to_string(totals.mlngTotalChargedKB) + " " +
           std::to_string(totals.mlngLastDayUsageKB) + " " + totals.mdtLastRecordedDate.toText() +
           " | " + outcome.chart.mstrChartData + " | " + outcome.chart.mstrChartDataAvg;
}

TEST(ReportFigures, AreTheSameWithoutTheReportDocument) {
    const std::string tenCells = logRow("2007-03-06 10:00:00", "2007-03-06 11:00:00", 700, 700);
    const std::string months[] = {
        sampleRows(), tenCells.substr(0, tenCells.size() - 5) + "<td>x</td></tr>" + sampleRows(),
        sampleRows() + "stray text" + sampleRows(), // not whole rows piece by piece
    };
    for (const std::string& rows : months) {
        for (int set = 0; set < 4; ++set) {
            ReportOptions options;
            options.mblnNightUnlimitedPlan = set > 0;
            options.mblnExcludeFree = set == 2;
            options.mblnExcludeNonFree = set == 3;
            for (const bool asNodes : {false, true}) {
                SCOPED_TRACE(rows.substr(0, 60) + " options " + std::to_string(set) +
                             (asNodes ? " as nodes" : ""));
                std::vector<std::string> results;
                for (const bool wanted : {true, false}) {
                    MonthRecord month{rows, "2007-03", *FixedPoint::parse("0.01")};
                    std::shared_ptr<Document> nodes = MonthRows::create();
                    if (asNodes && MonthRows::parseInto(*nodes, rows)) {
                        month.rowNodes.push_back(nodes);
                    }
                    ReportBuilder builder;
                    Document report{Document::Scripts::Strip};
                    builder.GrabbingFinished(std::move(month));
                    const auto outcome = builder.WriteOutput(options, wanted ? &report : nullptr);
                    ASSERT_TRUE(outcome);
                    results.push_back(figuresOf(*outcome));
                }
                EXPECT_EQ(results[0], results[1]);
            }
        }
    }
}

TEST_F(ReportBuilderTest, RowsAreClassifiedAndTheTemplateFilled) {
    options.mblnNightUnlimitedPlan = true;
    build(sampleRows());
    const auto rows = detailRows(document);
    std::vector<std::string> types;
    for (std::size_t i = 2; i < rows.size(); ++i) {
        types.push_back(rows[i]->getAttribute("usagetype").value_or("?") + "/" +
                        rows[i]->className());
    }
    EXPECT_EQ(types, (std::vector<std::string>{"nonfree/nonfree", "free/free", "mixed/mixed",
                                               "nonfree/nonfree", "nonfree/nonfree"}));
    const auto summary = document.getElementsByTagName("table")[0]->rows();
    EXPECT_EQ(summary[0]->innerText(), "Bandwidth usage summary for 2007-03\nAll Records");
    EXPECT_EQ(summary[2]->innerText(), "6684\t6.527\t0.006");
    EXPECT_EQ(outcome->mbText, "6.527");
}

TEST_F(ReportBuilderTest, ChartTextsListDaysOldestFirstWithAverages) {
    options.mblnNightUnlimitedPlan = true;
    build(sampleRows());
    // 4th: nonfree 100 + 512 + mixed charged 1000 = 1612 KB; free 2000 KB.
    // 5th: nonfree 2048; free 1024.
    EXPECT_EQ(outcome->chart.mstrChartData, "\t04\t05\r\nNonFree\t1.57\t2.00\r\nFree\t1.95\t1.00");
    EXPECT_EQ(outcome->chart.mstrChartDataAvg,
              "\t04\t05\tAvg\r\nNonFree\t1.57\t2.00\t1.79\r\nFree\t1.95\t1.00\t1.48");
    EXPECT_EQ(outcome->averagePerDay, "3.26");
    options.mblnNightUnlimitedPlan = false; // without the plan there is no Free line
    rebuild();
    EXPECT_EQ(outcome->chart.mstrChartDataAvg, "\t04\t05\tAvg\r\nNonFree\t3.53\t3.00\t3.26");
}

TEST_F(ReportBuilderTest, ExclusionsDropRowsButNotTheTotals) {
    options.mblnNightUnlimitedPlan = true;
    options.mblnExcludeFree = true;
    build(sampleRows());
    // The free row goes; the mixed row stays for its charged part.
    EXPECT_EQ(detailRows(document).size(), 6u);
    EXPECT_EQ(outcome->kbText, "3660"); // 2048 + 1000 + 512 + 100
    EXPECT_EQ(outcome->totals.mlngTotalBandwidthKB, 6684);
    EXPECT_EQ(outcome->monthYearText, "2007-03<BR> Excluding  [Free time usage]");
    EXPECT_EQ(outcome->chart.mstrChartData, "\t04\t05\r\nNonFree\t1.57\t2.00");
    // a mixed row charged in full has no free part to keep
    options.mblnExcludeFree = false;
    options.mblnExcludeNonFree = true;
    build(logRow("2007-03-05 01:00:00", "2007-03-05 03:00:00", 700, 700));
    EXPECT_EQ(detailRows(document).size(), 2u);
}

TEST_F(ReportBuilderTest, ExcludingNonFreeWithoutTheNightPlanKeepsNothing) {
    options.mblnExcludeNonFree = true;
    build(sampleRows());
    EXPECT_EQ(detailRows(document).size(), 2u);
    EXPECT_EQ(outcome->kbText, "0");
    EXPECT_EQ(outcome->chart.mstrChartData, "");
    EXPECT_EQ(outcome->chart.mstrChartDataAvg, "\tAvg");
    EXPECT_EQ(outcome->averagePerDay, ""); // no day: the label keeps what it showed
    EXPECT_EQ(outcome->monthYearText, "2007-03<BR> Excluding  [Non free time usage]");
}

TEST_F(ReportBuilderTest, NoteComparesThePortalTotal) {
    build(sampleRows(), FixedPoint());
    EXPECT_EQ(outcome->note, "");
    // B = 6684 / 1024 / 1024 = 0.0064 (each quotient rounded)
    build(sampleRows(), *FixedPoint::parse("0.0064"));
    EXPECT_NE(outcome->note.find("(A) : 0.0064 GB. <BR> Total of all rows(B) : 0.0064 GB. "
                                 "<BR> Difference (A-B) = 0 GB (0 MB)"),
              std::string::npos);
    build(sampleRows(), *FixedPoint::parse("1.5"));
    const std::string& note = outcome->note;
    EXPECT_EQ(note.substr(0, 20), "<TR><TD colspan=3><f");
    EXPECT_NE(note.find("Difference (A-B) = 1.4936 GB (1529.4464 MB)"), std::string::npos);
    EXPECT_NE(document.outerHTML().find("Why this is shown ?"), std::string::npos);
}

// Rebuilding replaces the document, so the style rules do not pile up.
TEST_F(ReportBuilderTest, StyleRulesFollowTheColoursOncePerBuild) {
    build(sampleRows());
    ASSERT_EQ(document.styleRules().size(), 14u);
    EXPECT_EQ(document.styleRules()[1].declaration, "background-color:#E1FFE1;");
    rebuild();
    EXPECT_EQ(document.styleRules().size(), 14u);
}

TEST_F(ReportBuilderTest, BadRowsAbandonTheReportAndNameTheRow) {
    document.Write("<p>previous report</p>");
    document.Close();
    const auto row = [](const char* from, const char* to, long long charged = 1) {
        return logRow(from, to, 1, charged);
    };
    const auto bandwidth = [&row](const char* text) {
        std::string made = row("2007-03-05 10:00:00", "2007-03-05 11:00:00");
        return made.replace(made.find("<td>1</td><td>00:10"), 10,
                            "<td>" + std::string(text) + "</td>");
    };
    const struct {
        std::string row;
        const char* message;
    } cases[] = {
        {row("yesterday", "2007-03-05 11:00:00"),
         "has a From time that is not a date and time: \"yesterday\""},
        {row("2007-03-05 10:00:00", "2007-02-30 11:00:00"), "To time"},
        {bandwidth("1.5"), "has a bandwidth that is not a whole number: \"1.5\""},
        {"<tr><td>only</td><td>three</td><td>cells</td></tr>", "has 3 cells instead of 9"},
        // 15 digits used to wrap round to a negative total
        {bandwidth("1000000000000000"),
         "has a bandwidth beyond 1000000000000 KB: \"1000000000000000\""},
        {row("2007-03-05 10:00:00", "2007-03-05 11:00:00", -1000000000001),
         "has a charged usage beyond 1000000000000 KB"},
        {bandwidth("99999999999999999999"), "has a bandwidth that is not a whole number"},
    };
    for (const auto& c : cases) {
        builder.GrabbingFinished(
            {row("2007-03-05 10:00:00", "2007-03-05 11:00:00") + c.row, "2007-03", FixedPoint()});
        try {
            builder.WriteOutput(options, &document);
            ADD_FAILURE() << "no error for " << c.row;
        } catch (const ReportError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("log row 2"), std::string::npos) << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
        }
        EXPECT_EQ(document.getElementsByTagName("p")[0]->innerText(), "previous report");
    }
}

TEST_F(ReportBuilderTest, RowsWhoseSumCannotBeCountedAreRefused) {
    std::string rows;
    for (int i = 0; i < 1000; ++i) { // each row in range, the month beyond 9.2 * 10^14 KB
        rows += logRow("2007-03-05 10:00:00", "2007-03-05 11:00:00", 1000000000000, 1);
    }
    builder.GrabbingFinished({rows, "2007-03", FixedPoint()});
    EXPECT_THROW(builder.WriteOutput(options, &document), ReportError);
}

TEST_F(ReportBuilderTest, PortalMarkupCannotRunCodeInTheReport) {
    std::string row = logRow("2007-03-05 10:00:00", "2007-03-05 11:00:00", 5, 5,
                             "<script>alert(1)</script>\"><img src=x onerror=alert(2)>##kb##");
    build(row);
    const std::string html = document.outerHTML();
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("onerror"), std::string::npos);
    EXPECT_NE(html.find("Content-Security-Policy"), std::string::npos);
    // Marker text inside a row is the portal's text, not a marker.
    EXPECT_NE(detailRows(document)[2]->innerText().find("##kb##"), std::string::npos);
}

TEST_F(ReportBuilderTest, NoDetailTableLeavesTheDocumentAlone) {
    builder.GrabbingFinished({"</table></table><table>", "2007-03", FixedPoint()});
    // Stray markup in the rows cannot remove the template's detail table.
    EXPECT_TRUE(builder.WriteOutput(options, &document));
    ReportBuilder fresh;
    EXPECT_FALSE(fresh.WriteOutput(options, &document));
}

} // namespace
