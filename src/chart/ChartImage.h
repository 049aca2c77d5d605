#pragma once

#include <QImage>
#include <QString>

class QPainter;
class XChartModel;

// The chart's picture outside a window: painted on any QPainter, as an image, or saved as a
// PNG or SVG file. The model's scale (its size in twips) decides the picture's size.
namespace ChartImage {

// Paints the chart as its last layout left it; the painter's device sets the resolution.
void paint(const XChartModel& chart, QPainter& painter);
// The picture at the model's current size, at the model's twips per pixel.
QImage toImage(const XChartModel& chart);
// Gives the model a size of `pixels` at 96 dots per inch and lays it out again.
void resize(XChartModel& chart, QSize pixels);
// Writes the picture as PNG or SVG, chosen by the file's extension, keeping only the left
// `widthPixels` when given (the part beside a shown legend pane). Throws a Failure saying
// what went wrong.
void save(const XChartModel& chart, const QString& path, int widthPixels = 0);

} // namespace ChartImage
