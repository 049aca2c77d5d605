// A month file's text (after descrambling) taken as a stored month: checked, merged with
// itself as a walk merges, built into the report and written as HTML and CSV. The saved
// report must hold nothing that runs, a month judged sound must build, and the figures must
// be the same when the month is read without the report document.
#include "FuzzOracle.h"
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
