#include "RecordingSurface.h"

#include <algorithm>

RecordingSurface::RecordingSurface(double widthTwips, double heightTwips, double twipsPerPixel,
                                   ChartFont font)
    : ChartSurface(twipsPerPixel, twipsPerPixel, std::move(font))
    , m_width(widthTwips)
    , m_height(heightTwips) {}

double RecordingSurface::TextWidth(const QString& text) const {
    return static_cast<double>(text.size()) * FontSize() * 0.75 * twipsPerPixelX();
}

double RecordingSurface::TextHeight(const QString&) const {
    return FontSize() * 1.5 * twipsPerPixelY();
}

RecordingSurface::Operation RecordingSurface::make(Kind kind, QPointF from, QPointF to,
                                                   std::uint32_t colour) const {
    Operation op;
    op.kind = kind;
    op.from = from;
    op.to = to;
    op.color = colour;
    op.fillColor = FillColor();
    op.fillStyle = FillStyle();
    op.drawWidth = DrawWidth();
    op.drawStyle = DrawStyle();
    op.fontSize = FontSize();
    op.bold = FontBold();
    return op;
}

void RecordingSurface::clear(std::uint32_t backColor) {
    m_operations.push_back(make(Kind::Clear, {}, {m_width, m_height}, backColor));
}

void RecordingSurface::printText(const QString& text, double x, double y) {
    Operation op =
        make(Kind::Text, {x, y}, {x + TextWidth(text), y + TextHeight(text)}, ForeColor());
    op.text = text;
    m_operations.push_back(op);
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    m_operations.push_back(make(Kind::Line, {x1, y1}, {x2, y2}, colour));
}

void RecordingSurface::Box(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    m_operations.push_back(make(Kind::Box, {x1, y1}, {x2, y2}, colour));
}

void RecordingSurface::FilledBox(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    m_operations.push_back(make(Kind::FilledBox, {x1, y1}, {x2, y2}, colour));
}

void RecordingSurface::Ellipse(double cx, double cy, double radius, double aspect) {
    const double rx = aspect > 1 ? radius / aspect : radius;
    const double ry = aspect > 1 ? radius : radius * aspect;
    m_operations.push_back(make(Kind::Ellipse, {cx, cy}, {rx, ry}, ForeColor()));
}

void RecordingSurface::Polygon(const QPolygon& pixels) {
    Operation op = make(Kind::Polygon, {}, {}, ForeColor());
    op.pixels = pixels;
    m_operations.push_back(op);
}

void RecordingSurface::PaintPicture(const QImage&, double x, double y, double width, double height,
                                    const QRectF&) {
    m_operations.push_back(make(Kind::Picture, {x, y}, {x + width, y + height}, 0));
}

bool RecordingSurface::textOutRotated(const QString& text, QPoint start, double angle) {
    Operation op = make(Kind::RotatedText, start, start, ForeColor());
    op.text = text;
    op.angle = angle;
    m_operations.push_back(op);
    return true;
}

std::vector<RecordingSurface::Operation> RecordingSurface::operations(Kind kind) const {
    std::vector<Operation> found;
    std::copy_if(m_operations.begin(), m_operations.end(), std::back_inserter(found),
                 [kind](const Operation& op) { return op.kind == kind; });
    return found;
}

std::vector<RecordingSurface::Operation> RecordingSurface::texts(const QString& text) const {
    std::vector<Operation> found;
    std::copy_if(m_operations.begin(), m_operations.end(), std::back_inserter(found),
                 [&text](const Operation& op) {
                     return (op.kind == Kind::Text || op.kind == Kind::RotatedText) &&
                            op.text == text;
                 });
    return found;
}
