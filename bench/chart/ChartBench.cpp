// Drawing a month's chart and tracking the pointer over it.
#include "RecordingSurface.h"
#include "SampleChartText.h"
#include "chart/ChartFeed.h"
#include "chart/ChartImage.h"
#include "chart/ChartRenderer.h"
#include "chart/PainterSurface.h"
#include "chart/XChart.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <benchmark/benchmark.h>

namespace {

ChartFeedInput demoMonth() {
    return ChartFeedInput{SampleChartText::month(), QStringLiteral("2007-03"), 9671679};
}

void feed(XChartModel& chart) {
    bool upToDate = false;
    ChartFeed::UpdateGraphControl(chart, demoMonth(), upToDate);
}

// One full drawing (layout and paint) of 31 days and the average into a 900 x 500 picture.
void BM_DrawChart31Items(benchmark::State& state) {
    XChartModel chart;
    ChartImage::resize(chart, QSize(900, 500));
    feed(chart);
    QImage picture(900, 500, QImage::Format_RGB32);
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);
    for (auto _ : state) {
        chart.DrawChart();
        QPainter painter(&picture);
        PainterSurface surface(painter);
        ChartRenderer(chart, surface).draw();
    }
}
BENCHMARK(BM_DrawChart31Items)->Unit(benchmark::kMillisecond);

// The same drawing without pixels: what the drawing logic itself costs.
void BM_DrawChart31ItemsRecorded(benchmark::State& state) {
    XChartModel chart;
    ChartImage::resize(chart, QSize(900, 500));
    feed(chart);
    RecordingSurface surface(900 * 15, 500 * 15);
    for (auto _ : state) {
        surface.reset();
        chart.DrawChart();
        ChartRenderer(chart, surface).draw();
    }
}
BENCHMARK(BM_DrawChart31ItemsRecorded)->Unit(benchmark::kMicrosecond);

void moveTo(XChart& chart, QPointF point) {
    QMouseEvent move(QEvent::MouseMove, point, chart.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &move);
}

QPointF inBar(const XChart& chart, int index, double value) {
    const ChartGeometry geometry = chart.model().geometry();
    return QPointF(geometry.shapeRect(index, 80).center().x() / 15, geometry.valueY(value) / 15);
}

// Pointer moves with hot tracking over the widget. Range 0: the pointer stays on one bar (the
// selection does not change, nothing may be drawn); range 1: every move lands on another of
// the 31 bars.
void BM_HotTracking(benchmark::State& state) {
    XChart chart;
    chart.resize(900, 500);
    chart.show();
    feed(chart.model());
    const bool acrossBars = state.range(0) == 1;
    QSignalSpy draws(&chart.model(), &XChartModel::drawRequested);
    int step = 0;
    for (auto _ : state) {
        const int index = acrossBars ? step % 31 : 7;
        moveTo(chart, inBar(chart, index, 2 + (step % 5)));
        ++step;
    }
    state.counters["draws_per_move"] =
        benchmark::Counter(static_cast<double>(draws.count()) / std::max(step, 1));
}
BENCHMARK(BM_HotTracking)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
