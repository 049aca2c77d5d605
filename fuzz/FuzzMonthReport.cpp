// A month file's text (after descrambling) taken as a stored month: checked, merged with
// itself as a walk merges (no row twice), built into the report and written as HTML and CSV. The
// saved report must hold nothing that runs, a month judged sound must build, and the figures must
// be the same when the month is read without the report document.
#include "FuzzOracle.h"
#include "report/ReportBuilder.h"
#include "report/ReportExport.h"
#include "report/ReportRow.h"
#include "retrieval/MonthCache.h"
#include "retrieval/RowText.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace {

// The cells of each row of a text made of whole rows (and blanks), or nothing for any other.
std::optional<std::vector<std::string_view>> wholeRows(std::string_view text) {
    std::vector<std::string_view> cells;
    for (const RowText::Piece& piece : RowText::split(text)) {
        if (piece.isRow) {
            cells.push_back(RowText::cellsOf(piece.text));
        } else if (piece.text.find_first_not_of(" \t\r\n") != std::string_view::npos) {
            return std::nullopt;
        }
    }
    return cells;
}

bool eachOnce(const std::vector<std::string_view>& cells) {
    return std::set<std::string_view>(cells.begin(), cells.end()).size() == cells.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rows(reinterpret_cast<const char*>(data), size);
    const auto damage = MonthCache::damage(rows);
    // a walk takes no row twice; merged with stored rows, its month must not either
    const std::string_view fetched = rows.substr(0, size / 2);
    const std::string merged = MonthCache::appendCachedRows(fetched, rows);
    const auto fetchedRows = wholeRows(fetched);
    if (fetchedRows && eachOnce(*fetchedRows) && wholeRows(rows)) {
        fuzzRequire(eachOnce(*wholeRows(merged)), "the merged month holds a row twice", merged);
    }

    ReportBuilder builder;
    Document report{Document::Scripts::Strip};
    ReportOptions options;
    options.mblnNightUnlimitedPlan = size % 2 == 1;
    options.mblnExcludeFree = size % 3 == 1;
    builder.GrabbingFinished({std::string(rows), "2007-03", FixedPoint()});
    std::optional<ReportOutcome> withDocument;
    try {
        withDocument = builder.WriteOutput(options, &report);
    } catch (const ReportError& error) {
        fuzzRequire(damage.has_value(), "a month judged sound does not build", error.what());
        return 0;
    }
    const std::string html = ReportExport::htmlText(report);
    requireNothingActive(html);

    // Without the document the month is read a piece at a time: the figures must not change.
    ReportBuilder figuresOnly;
    figuresOnly.GrabbingFinished({std::string(rows), "2007-03", FixedPoint()});
    const std::optional<ReportOutcome> withoutDocument = figuresOnly.WriteOutput(options, nullptr);
    const auto figures = [](const std::optional<ReportOutcome>& outcome) {
        if (!outcome) {
            return std::string("no detail table");
        }
        std::string text = std::to_string(outcome->rowsRead) + " " +
                           std::to_string(outcome->rowsKept) + " " + outcome->kbText + " " +
                           std::to_string(outcome->days.size()) + " " + outcome->averagePerDay +
                           " " + std::to_string(outcome->totals.mlngLastDayUsageKB) + " " +
                           outcome->totals.mdtLastRecordedDate.toText();
        return text + " " + outcome->chart.mstrChartData + " " + outcome->chart.mstrChartDataAvg;
    };
    fuzzRequire(figures(withDocument) == figures(withoutDocument),
                "the figures differ without the report document", std::string(rows));
    try {
        (void)ReportExport::csvText(report);
    } catch (const ExportError&) {
    }
    return 0;
}
