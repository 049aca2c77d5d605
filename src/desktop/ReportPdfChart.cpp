#include "desktop/ReportPdfChart.h"

#include "analysis/MonthResult.h"
#include "chart/ChartFeed.h"
#include "chart/ChartImage.h"
#include "chart/PainterSurface.h"
#include "chart/StackedChartRenderer.h"
#include "chart/XChartModel.h"
#include "desktop/ResultWindowState.h"
#include "platform/Failure.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace {

QString monthText(const MonthResult& result) {
    return QString::fromStdString(result.totals().mstrMonthYear);
}

void drawStacked(const MonthResult& result, const ReportOptions& options, QPainter& painter) {
    const ChartTexts& texts = result.report.chart;
    StackedChartData data = StackedChartData::parse(QString::fromStdString(
        options.mblnShowAverage ? texts.mstrChartDataAvg : texts.mstrChartData));
    StackedChartColors::apply(data, {options.mblnExcludeNonFree, options.mblnExcludeFree,
                                     options.mblnNightUnlimitedPlan, options.mlngChartColorNonFree,
                                     options.mlngChartColorFree});
    StackedChartStyle style{ChartFeed::TitlePrefix + monthText(result)};
    style.showDataTable = options.mblnShowTotalValue;
    PainterSurface surface(painter);
    StackedChartRenderer(data, style, surface).draw();
}

void drawBuiltIn(const MonthResult& result, const ReportOptions& options, QSize pixels,
                 QPainter& painter) {
    XChartModel chart;
    ChartImage::resize(chart, pixels);
    // the allowance line as the chart page draws it: the plan's limit spread over the month
    const std::optional<QuotaOutlook>& quota = result.summary.quota;
    chart.setAllowanceOn(options.mblnShowAllowance);
    bool upToDate = false;
    ChartFeed::UpdateGraphControl(chart,
                                  {QString::fromStdString(result.report.chart.mstrChartDataAvg),
                                   monthText(result), options.mlngInbuiltChartColor,
                                   quota ? std::optional(quota->evenShareMB) : std::nullopt},
                                  upToDate);
    ChartImage::paint(chart, painter);
}

} // namespace

QByteArray ReportPdfChart::svg(const MonthResult& result, const ReportOptions& options,
                               QSize pixels) {
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&picture);
    generator.setSize(pixels);
    generator.setViewBox(QRect(QPoint(0, 0), pixels));
    generator.setResolution(96);
    QPainter painter;
    if (!painter.begin(&generator)) {
        throw Failure("The chart could not be drawn: the SVG writer did not start");
    }
    if (options.ChartType == ResultWindowState::StackedChart) {
        drawStacked(result, options, painter);
    } else {
        drawBuiltIn(result, options, pixels, painter);
    }
    painter.end();
    return picture.data();
}
