// Building the report for a month of many rows, against one bare gumbo parse of the same
// row text: the builder should cost a small, constant multiple of parsing.
#include "report/ReportBuilder.h"
#include "support/SampleMonthRows.h"

#include <benchmark/benchmark.h>
#include <gumbo.h>
#include <string>

namespace {

void BM_BuildReport(benchmark::State& state) {
    const MonthRecord month{sampleMonthRows(static_cast<int>(state.range(0))), "2007-03",
                            FixedPoint(12)};
    ReportOptions options;
    options.mblnNightUnlimitedPlan = true;
    for (auto _ : state) {
        ReportBuilder builder;
        Document report{Document::Scripts::Strip};
        builder.GrabbingFinished(month);
        const auto outcome = builder.WriteOutput(options, &report);
        benchmark::DoNotOptimize(outcome->chart.mstrChartData.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_BareGumboParse(benchmark::State& state) {
    const std::string page =
        "<table>" + sampleMonthRows(static_cast<int>(state.range(0))) + "</table>";
    for (auto _ : state) {
        GumboOutput* output =
            gumbo_parse_with_options(&kGumboDefaultOptions, page.data(), page.size());
        benchmark::DoNotOptimize(output->root);
        gumbo_destroy_output(&kGumboDefaultOptions, output);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_BuildReport)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareGumboParse)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
