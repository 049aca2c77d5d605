#include "chart/StackedChartRenderer.h"

#include "chart/ChartSurface.h"
#include "chart/PainterSurface.h"
#include "platform/AtomicFile.h"
#include "platform/Failure.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

StackedChartRenderer::StackedChartRenderer(const StackedChartData& data,
                                           const StackedChartStyle& style, ChartSurface& surface)
    : m_data(data)
    , m_style(style)
    , m_surface(surface)
    , m_geometry(data, style, surface) {}

void StackedChartRenderer::draw() {
    m_surface.Cls(m_style.backColor);
    drawTitle();
    drawValueAxis();
    drawColumns();
    if (m_geometry.hasDataTable()) {
        drawDataTable();
    } else {
        drawDayLabels();
    }
}

void StackedChartRenderer::centredText(const QString& text, const QRectF& box) {
    m_surface.setCurrentX(box.center().x() - m_surface.TextWidth(text) / 2);
    m_surface.setCurrentY(box.center().y() - m_surface.TextHeight(text) / 2);
    m_surface.Print(text);
}

void StackedChartRenderer::drawTitle() {
    if (m_style.title.isEmpty()) {
        return;
    }
    m_surface.setForeColor(AxisColor);
    m_surface.setFontBold(true);
    m_surface.setFontSize(m_style.titlePoints);
    centredText(m_style.title, m_geometry.titleRect());
    m_surface.setFontBold(false);
}

void StackedChartRenderer::drawValueAxis() {
    const QRectF plot = m_geometry.plotRect();
    m_surface.setFontSize(m_style.axisPoints);
    m_surface.setForeColor(AxisColor);
    for (const double tick : m_geometry.ticks()) {
        const double y = m_geometry.yOf(tick);
        if (tick > 0) {
            m_surface.Line(plot.left(), y, plot.right(), y, GridColor);
        }
        const QString text = StackedChartGeometry::tickText(tick);
        m_surface.setCurrentX(plot.left() - StackedChartGeometry::Gap - m_surface.TextWidth(text));
        m_surface.setCurrentY(y - m_surface.TextHeight(text) / 2);
        m_surface.Print(text);
    }
    m_surface.Line(plot.left(), plot.top(), plot.left(), plot.bottom(), AxisColor);
}

void StackedChartRenderer::drawColumns() {
    m_surface.setFillStyle(0);
    for (int c = 0; c < static_cast<int>(m_data.categories.size()); ++c) {
        for (int s = 0; s < static_cast<int>(m_data.series.size()); ++s) {
            const QRectF box = m_geometry.segmentRect(c, s);
            if (box.isEmpty()) {
                continue;
            }
            m_surface.setFillColor(m_data.series[static_cast<std::size_t>(s)].color);
            m_surface.Box(box.left(), box.top(), box.right(), box.bottom(), AxisColor);
        }
    }
    const QRectF plot = m_geometry.plotRect();
    m_surface.Line(plot.left(), plot.bottom(), plot.right(), plot.bottom(), AxisColor);
}

void StackedChartRenderer::drawDayLabels() {
    m_surface.setFontSize(m_style.axisPoints);
    m_surface.setForeColor(AxisColor);
    const int stride = m_geometry.labelStride();
    for (int c = 0; c < static_cast<int>(m_data.categories.size()); c += stride) {
        const QRectF slot = m_geometry.slotRect(c);
        const QString& text = m_data.categories[c];
        m_surface.setCurrentX(slot.center().x() - m_surface.TextWidth(text) / 2);
        m_surface.setCurrentY(slot.bottom() + StackedChartGeometry::Gap);
        m_surface.Print(text);
    }
}

void StackedChartRenderer::drawDataTable() {
    m_surface.setFontSize(m_geometry.tablePoints());
    m_surface.setForeColor(AxisColor);
    const int columns = static_cast<int>(m_data.categories.size());
    const int rows = 1 + static_cast<int>(m_data.series.size());
    for (int r = 0; r < rows; ++r) {
        for (int c = -1; c < columns; ++c) {
            const QRectF cell = m_geometry.tableCell(r, c);
            if (r > 0 || c >= 0) {
                m_surface.setFillStyle(1);
                m_surface.Box(cell.left(), cell.top(), cell.right(), cell.bottom(), AxisColor);
            }
            if (r == 0) {
                if (c >= 0) {
                    centredText(m_data.categories[c], cell);
                }
                continue;
            }
            const StackedSeries& series = m_data.series[static_cast<std::size_t>(r - 1)];
            if (c >= 0) {
                centredText(series.texts[c], cell);
                continue;
            }
            const QRectF key = m_geometry.legendKey(r - 1);
            m_surface.setFillStyle(0);
            m_surface.setFillColor(series.color);
            m_surface.Box(key.left(), key.top(), key.right(), key.bottom(), AxisColor);
            m_surface.setCurrentX(key.right() + StackedChartGeometry::Gap);
            m_surface.setCurrentY(cell.center().y() - m_surface.TextHeight(series.name) / 2);
            m_surface.Print(series.name);
        }
    }
}

QImage StackedChartRenderer::toImage(const StackedChartData& data, const StackedChartStyle& style,
                                     QSize pixels) {
    QImage image(pixels, QImage::Format_RGB32);
    // 96 dots per inch: 15 twips per pixel, as the chart control draws
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter);
    StackedChartRenderer(data, style, surface).draw();
    return image;
}

void StackedChartRenderer::save(const StackedChartData& data, const StackedChartStyle& style,
                                const QString& path, QSize pixels) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        throw Failure("Chart images need a QGuiApplication");
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        throw Failure(QStringLiteral("Cannot tell the image type of \"%1\": the file name must "
                                     "end in .png or .svg")
                          .arg(path)
                          .toStdString());
    }
    const auto writeFailure = [&path](const QString& reason) {
        return Failure(QStringLiteral("Cannot write the chart image \"%1\": %2")
                           .arg(path, reason)
                           .toStdString());
    };
    // drawn in memory, then written whole or not at all
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(pixels);
        generator.setViewBox(QRect(QPoint(0, 0), pixels));
        generator.setResolution(96);
        generator.setTitle(style.title);
        QPainter painter;
        if (!painter.begin(&generator)) {
            throw Failure("the SVG writer could not start");
        }
        PainterSurface surface(painter);
        StackedChartRenderer(data, style, surface).draw();
        painter.end();
    } else if (!toImage(data, style, pixels).save(&file, "PNG")) {
        throw writeFailure(QStringLiteral("the PNG writer failed"));
    }
    try {
        AtomicFile::write(path, file.data());
    } catch (const AtomicFile::WriteError& error) {
        throw writeFailure(error.reason());
    }
}
