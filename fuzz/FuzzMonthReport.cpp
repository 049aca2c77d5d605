// A month file's text (after descrambling) taken as a stored month: checked, merged with
// itself as a walk merges, built into the report and written as HTML and CSV. The saved
// report must hold nothing that runs, a month judged sound must build, and the figures must
// be the same when the month is read without the report document.
#include "FuzzOracle.h"
#include "report/HeadlessResultView.h"
#include "report/ReportBuilder.h"
#include "report/ReportExport.h"
#include "report/ReportRow.h"
#include "retrieval/MonthCache.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rows(reinterpret_cast<const char*>(data), size);
    const auto damage = MonthCache::damage(rows);
    const std::string merged = MonthCache::appendCachedRows(rows.substr(0, size / 2), rows);
    (void)merged;

    ReportBuilder builder;
    HeadlessResultView view;
    ReportOptions options;
    options.mblnNightUnlimitedPlan = size % 2 == 1;
    options.mblnExcludeFree = size % 3 == 1;
    builder.GrabbingFinished({std::string(rows), "2007-03", FixedPoint()});
    try {
        builder.WriteOutput(options, view);
    } catch (const ReportError& error) {
        fuzzRequire(damage.has_value(), "a month judged sound does not build", error.what());
        return 0;
    }
    const std::string html = ReportExport::htmlText(view.document());
    requireNothingActive(html);

    // Without the document the month is read a piece at a time: the figures must not change.
    ReportBuilder figuresOnly;
    HeadlessResultView noDocument;
    noDocument.setReportDocumentWanted(false);
    figuresOnly.GrabbingFinished({std::string(rows), "2007-03", FixedPoint()});
    figuresOnly.WriteOutput(options, noDocument);
    const auto figures = [](const ReportBuilder& from, const HeadlessResultView& shown) {
        const ReportOutcome& outcome = from.outcome();
        std::string text = std::to_string(outcome.rowsRead) + " " +
                           std::to_string(outcome.rowsKept) + " " + outcome.kbText + " " +
                           std::to_string(outcome.days.size()) + " " + shown.averageText() + " " +
                           std::to_string(shown.totals().mlngLastDayUsageKB) + " " +
                           shown.totals().mdtLastRecordedDate.toText();
        return text + " " + from.mstrChartData() + " " + from.mstrChartDataAvg();
    };
    fuzzRequire(figures(builder, view) == figures(figuresOnly, noDocument),
                "the figures differ without the report document", std::string(rows));
    try {
        (void)ReportExport::csvText(view.document());
    } catch (const ExportError&) {
    }
    return 0;
}
