// Building the report for a month of many rows, against one bare gumbo parse of the same
// row text: the builder should cost a small, constant multiple of parsing.
#include "report/ReportBuilder.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <gumbo.h>
#include <string>

namespace {

// A month of rows, newest first, spread over 31 days, a third of them in the night window.
std::string monthRows(int count) {
    std::string rows;
    char buffer[512];
    for (int i = count - 1; i >= 0; --i) {
        const int day = 1 + i * 31 / count;
        const int minute = (i * 37) % (24 * 60 - 30);
        const int bandwidth = 1000 + (i * 7919) % 50000;
        std::snprintf(buffer, sizeof buffer,
                      "<tr><td>%d</td><td>ADSL</td><td>2007-03-%02d %02d:%02d:00</td>"
                      "<td>2007-03-%02d %02d:%02d:00</td><td>%d</td><td>%d</td><td>%d</td>"
                      "<td>00:20:00</td><td>%d</td></tr>",
                      i, day, minute / 60, minute % 60, day, (minute + 20) / 60, (minute + 20) % 60,
                      bandwidth / 3, bandwidth - bandwidth / 3, bandwidth,
                      minute < 480 && minute >= 120 ? 0 : bandwidth);
        rows += buffer;
    }
    return rows;
}

void BM_BuildReport(benchmark::State& state) {
    const MonthRecord month{monthRows(static_cast<int>(state.range(0))), "2007-03", FixedPoint(12)};
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
    const std::string page = "<table>" + monthRows(static_cast<int>(state.range(0))) + "</table>";
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
