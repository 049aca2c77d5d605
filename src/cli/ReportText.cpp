#include "cli/ReportText.h"

#include "report/HeadlessResultView.h"
#include "report/NumberFormat.h"
#include "report/ReportBuilder.h"

#include <iomanip>
#include <ostream>

namespace {

std::string megabytes(FixedPoint kb) {
    return NumberFormat::decimals(kb.dividedBy(1024), 2) + " MB";
}

std::string megabytes(std::int64_t kb) {
    return megabytes(FixedPoint(kb));
}

// The report's month text without its markup ("2007-03<BR> Excluding ..." -> "Excluding ...").
std::string coverage(const std::string& monthYearText) {
    const auto br = monthYearText.find("<BR>");
    std::string rest = br == std::string::npos ? std::string() : monthYearText.substr(br + 4);
    const auto first = rest.find_first_not_of(' ');
    rest = first == std::string::npos ? std::string() : rest.substr(first);
    std::string collapsed;
    for (char c : rest) {
        if (!(c == ' ' && !collapsed.empty() && collapsed.back() == ' ')) {
            collapsed += c;
        }
    }
    return collapsed;
}

} // namespace

void ReportText::print(std::ostream& out, const ReportBuilder& builder,
                       const HeadlessResultView& view, const std::string& user) {
    const ReportOutcome& outcome = builder.outcome();
    const ReportTotals& totals = view.totals();
    out << "Usage for " << builder.mstrMonthYear();
    if (!user.empty()) {
        out << " (" << user << ")";
    }
    out << " - " << coverage(outcome.monthYearText) << "\n\n";
    out << "  Rows            " << outcome.rowsRead << " read, " << outcome.rowsKept
        << " in the report\n";
    out << "  In the report   " << outcome.kbText << " KB = " << outcome.mbText
        << " MB = " << outcome.gbText << " GB\n";
    out << "  All usage       " << megabytes(totals.mlngTotalBandwidthKB) << ", charged "
        << megabytes(totals.mlngTotalChargedKB) << "\n";
    if (outcome.rowsRead > 0) {
        out << "  Last recorded   " << totals.mdtLastRecordedDate.toText() << "\n";
    }
    if (!outcome.averagePerDay.empty()) {
        out << "  Average per day " << outcome.averagePerDay << " MB\n";
    }
    if (outcome.days.empty()) {
        out << "\n  No rows in the report.\n";
        return;
    }
    out << "\n  " << std::left << std::setw(12) << "Day" << std::right << std::setw(6) << "Rows"
        << std::setw(14) << "Total" << std::setw(14) << "Charged" << std::setw(14) << "Free"
        << "\n";
    for (const ReportDay& day : outcome.days) {
        out << "  " << std::left << std::setw(12) << day.date << std::right << std::setw(6)
            << day.rows << std::setw(14) << megabytes(day.totalKB) << std::setw(14)
            << megabytes(day.chargedKB) << std::setw(14) << megabytes(day.freeKB) << "\n";
    }
}
