// The result window answering an option change: the report rebuilt and shown, the chart
// refilled and the summary recomputed.
#include "analysis/MonthAnalysis.h"
#include "desktop/frmResult.h"
#include "report/ReportBuilder.h"
#include "report/ReportOptions.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingDesktopShell.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedColorChooser.h"
#include "support/ScriptedFileChooser.h"

#include <QApplication>
#include <QCheckBox>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// `rows` connections spread over the days of March 2007, newest first, a third of them in
// the free night hours.
std::string month(int rows, int days) {
    std::string text;
    for (int i = rows; i >= 1; --i) {
        const int day = 1 + (i - 1) * days / rows;
        const int hour = i % 3 == 0 ? 3 : 14;
        char row[400];
        std::snprintf(row, sizeof row,
                      "<tr><td>%d</td><td>Netravo</td><td>2007-03-%02d %02d:00:00</td>"
                      "<td>2007-03-%02d %02d:30:00</td><td>10</td><td>2000</td><td>%d</td>"
                      "<td>00:30:00</td><td>%d</td></tr>",
                      i, day, hour, day, hour, 1000 + i % 977, hour == 3 ? 0 : 1000 + i % 977);
        text += row;
    }
    return text;
}

struct Window {
    MemorySettingsStore settings;
    RecordingMessages messages;
    FixedClock clock{QDate(2007, 3, 31)};
    ScriptedColorChooser colors;
    ScriptedFileChooser files;
    RecordingDesktopShell shell;
    ReportOptions options;
    MonthAnalysis month;
    std::unique_ptr<frmResult> window;

    explicit Window(const std::string& rows) {
        options.mblnNightUnlimitedPlan = true;
        settings.write("ScreenSettings", "Plan6", "0");
        month.GrabbingFinished({rows, "2007-03", FixedPoint()});
        window = std::make_unique<frmResult>(
            month, options, ResultWindowSeams{settings, messages, clock, colors, files, shell});
        window->showResult(*month.build(options, window->planChoice(), &window->reportDocument()));
        window->LoadCombo();
        window->show();
    }
    QCheckBox* excludeFree() const {
        return qobject_cast<QCheckBox*>(window->control(QStringLiteral("chkExclude"), 0));
    }
};

// A click on "Exclude Free time usage" with 10,000 rows: report, report page, chart, summary.
void BM_ToggleExclusion10000Rows(benchmark::State& state) {
    Window w(month(10000, 31));
    for (auto _ : state) {
        w.excludeFree()->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ToggleExclusion10000Rows)->Unit(benchmark::kMillisecond);

// The same click on a month of one row a day (31 days).
void BM_ToggleExclusion31Days(benchmark::State& state) {
    Window w(month(31, 31));
    for (auto _ : state) {
        w.excludeFree()->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ToggleExclusion31Days)->Unit(benchmark::kMillisecond);

// The chart alone for 31 days: marked out of date, refilled and repainted.
void BM_ChartOnly31Days(benchmark::State& state) {
    Window w(month(31, 31));
    QWidget* chart = w.window->control(QStringLiteral("XChart1"));
    for (auto _ : state) {
        w.window->state().mblnChartUpToDate = false;
        w.window->UpdateGraphControl();
        chart->repaint();
    }
}
BENCHMARK(BM_ChartOnly31Days)->Unit(benchmark::kMillisecond);

// The report builder alone on the same month, for comparison.
void BM_WriteOutputHeadless10000(benchmark::State& state) {
    ReportBuilder builder;
    builder.GrabbingFinished({month(10000, 31), "2007-03", FixedPoint()});
    ReportOptions options;
    options.mblnNightUnlimitedPlan = true;
    Document report{Document::Scripts::Strip};
    for (auto _ : state) {
        options.mblnExcludeFree = !options.mblnExcludeFree;
        builder.WriteOutput(options, &report);
    }
}
BENCHMARK(BM_WriteOutputHeadless10000)->Unit(benchmark::kMillisecond);

} // namespace
