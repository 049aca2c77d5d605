#pragma once

#include <QByteArray>
#include <QSize>

struct MonthResult;
struct ReportOptions;

// The month's chart for the saved report, as the chart page draws it: the chart type, colours
// and options the user chose, drawn by the chart renderers as an SVG picture, so that the PDF
// keeps its lines and texts sharp at any size.
namespace ReportPdfChart {

// The picture at `pixels` (96 dots per inch). Throws a Failure when the chart text is malformed.
QByteArray svg(const MonthResult& result, const ReportOptions& options, QSize pixels);

} // namespace ReportPdfChart
