#include "chart/PainterSurface.h"

#include "platform/ColorValue.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

double twipsPerPixel(int dotsPerInch) {
    return dotsPerInch > 0 ? 1440.0 / dotsPerInch : 15.0;
}

Qt::BrushStyle brushStyle(int fillStyle) {
    static constexpr Qt::BrushStyle styles[] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return fillStyle >= 0 && fillStyle < 8 ? styles[fillStyle] : Qt::NoBrush;
}

Qt::PenStyle penStyle(int drawStyle) {
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                              Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                              Qt::SolidLine};
    return drawStyle >= 0 && drawStyle < 7 ? styles[drawStyle] : Qt::SolidLine;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter, ChartFont font, QPalette palette)
    : ChartSurface(twipsPerPixel(painter.device()->logicalDpiX()),
                   twipsPerPixel(painter.device()->logicalDpiY()), std::move(font))
    , m_painter(painter)
    , m_palette(std::move(palette))
    , m_widthPixels(painter.device()->width())
    , m_heightPixels(painter.device()->height()) {}

QFont PainterSurface::currentFont() const {
    QFont font(FontName());
    font.setPointSizeF(FontSize());
    font.setBold(FontBold());
    return font;
}

const QFontMetricsF& PainterSurface::metrics() const {
    const std::pair<int, bool> key(static_cast<int>(std::lround(FontSize() * 100)), FontBold());
    auto found = m_fonts.find(key);
    if (found == m_fonts.end()) {
        const QFont font = currentFont();
        found = m_fonts.emplace(key, std::make_pair(font, QFontMetricsF(font, m_painter.device())))
                    .first;
    }
    m_painter.setFont(found->second.first);
    return found->second.second;
}

double PainterSurface::TextWidth(const QString& text) const {
    return metrics().horizontalAdvance(text) * twipsPerPixelX();
}

double PainterSurface::TextHeight(const QString&) const {
    return metrics().height() * twipsPerPixelY();
}

QColor PainterSurface::color(std::uint32_t value) const {
    return ColorValue::toQColor(value, m_palette);
}

QPen PainterSurface::pen(std::uint32_t colour) const {
    QPen result(color(colour));
    result.setWidth(DrawWidth());
    result.setStyle(penStyle(DrawStyle()));
    return result;
}

QBrush PainterSurface::fillBrush() const {
    return QBrush(color(FillColor()), brushStyle(FillStyle()));
}

QRectF PainterSurface::pixelRect(double x1, double y1, double x2, double y2) const {
    return QRectF(QPointF(x1 / twipsPerPixelX(), y1 / twipsPerPixelY()),
                  QPointF(x2 / twipsPerPixelX(), y2 / twipsPerPixelY()))
        .normalized();
}

void PainterSurface::clear(std::uint32_t backColor) {
    m_background = color(backColor);
    m_painter.fillRect(QRectF(0, 0, m_widthPixels, m_heightPixels), m_background);
}

// A text colour that follows the palette (the window text, white in a dark one) is taken just
// far enough towards black or white to read on the chart's own background, which stays as set
// (a light grey in the result window); a colour the user chose is drawn as chosen.
QColor PainterSurface::textColor() const {
    const QColor text = color(ForeColor());
    if (!ColorValue::isSystemColor(ForeColor()) || !m_background.isValid()) {
        return text;
    }
    return ColorValue::legibleOn(m_background, text);
}

void PainterSurface::printText(const QString& text, double x, double y) {
    const QFontMetricsF& fm = metrics();
    m_painter.setPen(textColor());
    m_painter.drawText(QPointF(x / twipsPerPixelX(), y / twipsPerPixelY() + fm.ascent()), text);
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    m_painter.setPen(pen(colour));
    m_painter.drawLine(QPointF(x1 / twipsPerPixelX(), y1 / twipsPerPixelY()),
                       QPointF(x2 / twipsPerPixelX(), y2 / twipsPerPixelY()));
}

void PainterSurface::Box(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    m_painter.setPen(pen(colour));
    m_painter.setBrush(fillBrush());
    m_painter.drawRect(pixelRect(x1, y1, x2, y2));
    m_painter.setBrush(Qt::NoBrush);
}

void PainterSurface::FilledBox(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    m_painter.fillRect(pixelRect(x1, y1, x2, y2), color(colour));
}

void PainterSurface::Ellipse(double cx, double cy, double radius, double aspect) {
    const double rx = aspect > 1 ? radius / aspect : radius;
    const double ry = aspect > 1 ? radius : radius * aspect;
    const QPainter::RenderHints hints = m_painter.renderHints();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(pen(ForeColor()));
    m_painter.setBrush(fillBrush());
    m_painter.drawEllipse(QPointF(cx / twipsPerPixelX(), cy / twipsPerPixelY()),
                          rx / twipsPerPixelX(), ry / twipsPerPixelY());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setRenderHints(hints);
}

void PainterSurface::Polygon(const QPolygon& pixels) {
    m_painter.setPen(pen(ForeColor()));
    m_painter.setBrush(fillBrush());
    m_painter.drawPolygon(pixels);
    m_painter.setBrush(Qt::NoBrush);
}

void PainterSurface::PaintPicture(const QImage& picture, double x, double y, double width,
                                  double height, const QRectF& source) {
    m_painter.drawImage(pixelRect(x, y, x + width, y + height), picture, source);
}

bool PainterSurface::textOutRotated(const QString& text, QPoint start, double angle) {
    const QFontMetricsF& fm = metrics();
    m_painter.save();
    m_painter.setPen(textColor());
    m_painter.translate(start);
    m_painter.rotate(-angle);
    m_painter.drawText(QPointF(0, fm.ascent()), text);
    m_painter.restore();
    return true;
}
