#include "chart/ChartImage.h"

#include "chart/ChartRenderer.h"
#include "chart/PainterSurface.h"
#include "chart/XChartModel.h"
#include "platform/AtomicFile.h"
#include "platform/Failure.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

QSize pixelSize(const XChartModel& chart) {
    const ChartFrame frame = chart.frame();
    return QSize(static_cast<int>(std::lround(frame.scaleWidth / frame.twipsPerPixelX)),
                 static_cast<int>(std::lround(frame.scaleHeight / frame.twipsPerPixelY)));
}

int dotsPerMeter(double twipsPerPixel) {
    return static_cast<int>(std::lround(1440.0 / twipsPerPixel / 0.0254));
}

Failure writeFailure(const QString& path, const QString& reason) {
    return Failure(
        QStringLiteral("Cannot write the chart image \"%1\": %2").arg(path, reason).toStdString());
}

void saveSvg(const XChartModel& chart, QBuffer& file, QSize size, const QString& path) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(static_cast<int>(std::lround(1440.0 / chart.twipsPerPixelX())));
    generator.setTitle(chart.properties().ChartTitle);
    QPainter painter;
    if (!painter.begin(&generator)) {
        throw writeFailure(path, QStringLiteral("the SVG writer could not start"));
    }
    ChartImage::paint(chart, painter);
    painter.end();
}

} // namespace

void ChartImage::paint(const XChartModel& chart, QPainter& painter) {
    PainterSurface surface(painter);
    ChartRenderer(chart, surface).draw();
}

QImage ChartImage::toImage(const XChartModel& chart) {
    QImage image(pixelSize(chart), QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter(chart.twipsPerPixelX()));
    image.setDotsPerMeterY(dotsPerMeter(chart.twipsPerPixelY()));
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(chart, painter);
    return image;
}

void ChartImage::resize(XChartModel& chart, QSize pixels) {
    chart.setTwipsPerPixel(15, 15);
    chart.setScale(pixels.width() * 15.0, pixels.height() * 15.0);
    chart.DrawChart();
}

void ChartImage::save(const XChartModel& chart, const QString& path, int widthPixels) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        throw Failure(QStringLiteral("Cannot tell the image type of \"%1\": the file name must "
                                     "end in .png or .svg")
                          .arg(path)
                          .toStdString());
    }
    QSize size = pixelSize(chart);
    if (widthPixels > 0) {
        size.setWidth(std::min(size.width(), widthPixels));
    }
    if (size.isEmpty()) {
        throw Failure("The chart has no size to draw");
    }
    // Encoded in memory first, so the file is written by the one checked, atomic writer.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("svg")) {
        saveSvg(chart, file, size, path);
    } else if (!toImage(chart).copy(QRect(QPoint(0, 0), size)).save(&file, "PNG")) {
        throw writeFailure(path, QStringLiteral("the PNG encoder failed"));
    }
    try {
        AtomicFile::write(path, file.data());
    } catch (const AtomicFile::WriteError& error) {
        throw writeFailure(path, error.reason());
    }
}
