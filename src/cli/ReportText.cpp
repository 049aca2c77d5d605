#include "cli/ReportText.h"

#include "analysis/MonthResult.h"
#include "cli/TerminalWriter.h"
#include "platform/NumberFormat.h"

namespace {

std::string megabytes(FixedPoint kb) {
    return NumberFormat::decimals(kb.dividedBy(1024), 2) + " MB";
}

// The report's month text without its markup: "2007-03<BR> Excluding  [Free time usage]"
// reads "Excluding [Free time usage]".
std::string coverage(const std::string& monthYearText) {
    const auto br = monthYearText.find("<BR>");
    const std::string rest = br == std::string::npos ? std::string() : monthYearText.substr(br + 4);
    std::string collapsed;
    for (char c : rest) {
        if (c != ' ' || (!collapsed.empty() && collapsed.back() != ' ')) {
            collapsed += c;
        }
    }
    return collapsed;
}

void writeDays(TerminalWriter& out, const std::vector<ReportDay>& days) {
    out.heading("Days (newest first)");
    out.line("  " + std::string("Day").append(10, ' ') + TerminalWriter::padLeft("Rows", 6) +
             TerminalWriter::padLeft("Total", 14) + TerminalWriter::padLeft("Charged", 14) +
             TerminalWriter::padLeft("Free", 14));
    for (const ReportDay& day : days) {
        out.line("  " + day.date + "   " + TerminalWriter::padLeft(std::to_string(day.rows), 6) +
                 TerminalWriter::padLeft(megabytes(day.totalKB), 14) +
                 TerminalWriter::padLeft(megabytes(day.chargedKB), 14) +
                 TerminalWriter::padLeft(megabytes(day.freeKB), 14));
    }
}

} // namespace

std::string ReportText::render(const MonthResult& result, const std::string& user, bool colour) {
    const ReportOutcome& outcome = result.report;
    TerminalWriter out(colour, true);
    out.heading("Report" + (user.empty() ? std::string() : " for " + user) + "  " +
                coverage(outcome.monthYearText));
    out.row("Rows read / in the report",
            std::to_string(outcome.rowsRead) + " / " + std::to_string(outcome.rowsKept));
    out.row("In the report", outcome.mbText + " MB");
    if (outcome.rowsRead > 0) {
        out.row("Last recorded", result.totals().mdtLastRecordedDate.toText());
    }
    if (!outcome.averagePerDay.empty()) {
        out.row("Average per day", outcome.averagePerDay + " MB");
    }
    if (outcome.days.empty()) {
        out.line("  No rows in the report.");
    } else {
        writeDays(out, outcome.days);
    }
    return out.text();
}
