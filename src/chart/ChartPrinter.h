#pragma once

#include <QImage>

class QPrinter;
class XChartModel;

// Puts a chart on paper: the composed chart page (picture, legend beside it when asked,
// placed by PrinterFit) and the legend as a printed list of its own.
namespace ChartPrinter {

// `chart` is the picture of the chart part, `legend` the legend entries to print beside it
// (a null image for none). `screenDpi` keeps the printed size equal to the size on screen.
// False when the printer could not start a page.
bool printChart(const XChartModel& model, const QImage& chart, const QImage& legend,
                double screenDpi, QPrinter& printer);

// One page (or more) listing ChartTitle, ChartSubTitle and a line per item. False when the
// printer could not start; true without printing when there are no items.
bool printLegend(XChartModel& model, QPrinter& printer);

// The chart with the legend to its right, separated by a line.
QImage composeWithLegend(const QImage& chart, const QImage& legend);

} // namespace ChartPrinter
