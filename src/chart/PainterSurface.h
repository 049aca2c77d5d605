#pragma once

#include "chart/ChartSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPalette>
#include <map>
#include <utility>

class QPainter;

// The chart surface on a QPainter: a widget's backing picture, a QImage, an SVG or a PDF page.
// Twips become device pixels with the device's own resolution; system colours are looked up
// in the palette given.
class PainterSurface final : public ChartSurface {
public:
    // `painter` must be active on a device; its logical resolution fixes twips per pixel.
    PainterSurface(QPainter& painter, ChartFont font = {}, QPalette palette = QPalette());

    double ScaleWidth() const override { return m_widthPixels * twipsPerPixelX(); }
    double ScaleHeight() const override { return m_heightPixels * twipsPerPixelY(); }
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;

    void Line(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void Box(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void FilledBox(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void Ellipse(double cx, double cy, double radius, double aspect) override;
    void Polygon(const QPolygon& pixels) override;
    void PaintPicture(const QImage& picture, double x, double y, double width, double height,
                      const QRectF& source) override;
    bool textOutRotated(const QString& text, QPoint start, double angle) override;

    // The font as the current size and weight make it.
    QFont currentFont() const;

protected:
    void clear(std::uint32_t backColor) override;
    void printText(const QString& text, double x, double y) override;

private:
    QColor color(std::uint32_t value) const;
    QColor textColor() const;
    QPen pen(std::uint32_t colour) const;
    QBrush fillBrush() const;
    QRectF pixelRect(double x1, double y1, double x2, double y2) const;
    const QFontMetricsF& metrics() const;

    QPainter& m_painter;
    QPalette m_palette;
    double m_widthPixels;
    double m_heightPixels;
    QColor m_background; // what the surface was last cleared to; none before
    mutable std::map<std::pair<int, bool>, std::pair<QFont, QFontMetricsF>> m_fonts;
};
