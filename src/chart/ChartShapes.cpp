// The item shapes and picture fills of ChartRenderer.
#include "chart/ChartRenderer.h"
#include "chart/ChartSurface.h"
#include "chart/XChartModel.h"

#include <algorithm>

namespace {
constexpr int Solid = 0;
constexpr int Transparent = 1;
} // namespace

void ChartRenderer::FillBoxWithPicture(double left, double right, double top, double bottom,
                                       bool tile, const QImage& picture) {
    if (picture.isNull() || right <= left || bottom <= top) {
        return;
    }
    if (!tile) {
        m_surface.PaintPicture(picture, left, top, right - left, bottom - top,
                               QRectF(picture.rect()));
        return;
    }
    // Tiles keep the picture's own size in screen pixels and are cut at the right and bottom.
    const double tileWidth = picture.width() * px();
    const double tileHeight = picture.height() * pxY();
    for (double y = top; y < bottom; y += tileHeight) {
        const double height = std::min(tileHeight, bottom - y);
        for (double x = left; x < right; x += tileWidth) {
            const double width = std::min(tileWidth, right - x);
            m_surface.PaintPicture(picture, x, y, width, height,
                                   QRectF(0, 0, width / px(), height / pxY()));
        }
    }
}

void ChartRenderer::drawShadow(const std::function<void()>& paint) {
    const std::uint32_t fill = m_surface.FillColor();
    const std::uint32_t fore = m_surface.ForeColor();
    m_surface.setFillStyle(Solid);
    m_surface.setFillColor(m_props.BarShadowColor);
    m_surface.setForeColor(m_props.BarShadowColor);
    paint();
    m_surface.setFillStyle(m_props.BarFillStyle);
    m_surface.setFillColor(fill);
    m_surface.setForeColor(fore);
}

void ChartRenderer::DrawBarShape(double value, double left, double right, double top, double bottom,
                                 std::uint32_t outline, bool isMean) {
    if (m_props.BarShadow) {
        right -= 2 * px();
    }
    if (!isMean && !m_props.BarPicture.isNull()) {
        FillBoxWithPicture(left, right, top, bottom, m_props.BarPictureTile, m_props.BarPicture);
        m_surface.setFillStyle(Transparent);
        m_surface.Box(left + px(), top, right - px(), bottom, outline);
    }
    m_surface.Box(left, top, right - px(), bottom, outline);
    if (m_props.BarShadow) {
        if (value >= 0) {
            m_surface.FilledBox(right, top + 2 * pxY(), right + 2 * px(), bottom,
                                m_props.BarShadowColor);
        } else {
            m_surface.FilledBox(right, top, right + 2 * px(), bottom - 2 * pxY(),
                                m_props.BarShadowColor);
        }
    }
    m_surface.setFillStyle(m_props.BarFillStyle);
}

void ChartRenderer::DrawEllipseShape(double left, double right, double top, double bottom) {
    const double width = right - left;
    const double height = bottom - top;
    if (width <= 0) {
        return;
    }
    const double cx = left + width / 2;
    const double cy = top + height / 2;
    if (m_props.BarShadow) {
        drawShadow([&] { m_surface.Ellipse(cx, cy, std::max(width, height) / 2, height / width); });
        const double smallerWidth = std::max(width - 2 * px(), px());
        const double smallerHeight = std::max(height - 2 * pxY(), 0.0);
        m_surface.Ellipse(cx - 2 * px(), cy, std::max(smallerWidth, smallerHeight) / 2,
                          smallerHeight / smallerWidth);
        return;
    }
    m_surface.Ellipse(cx, cy, std::max(width, height) / 2, height / width);
}

void ChartRenderer::DrawTriangleShape(double value, double left, double right, double top,
                                      double bottom) {
    const double midX = left + (right - left) / 2;
    if (value > 0) {
        m_surface.Polygon(
            QPolygon({toPixels(left, bottom), toPixels(right, bottom), toPixels(midX, top)}));
    } else {
        m_surface.Polygon(
            QPolygon({toPixels(left, top), toPixels(right, top), toPixels(midX, bottom)}));
    }
}

void ChartRenderer::DrawTrapezoidShape(double value, double left, double right, double top,
                                       double bottom) {
    const double q = (right - left) / 4;
    QPolygon shape;
    if (value > 0) {
        shape = QPolygon({toPixels(left, bottom), toPixels(left + q, top), toPixels(right - q, top),
                          toPixels(right, bottom)});
    } else {
        shape = QPolygon({toPixels(left, top), toPixels(left + q, bottom),
                          toPixels(right - q, bottom), toPixels(right, top)});
    }
    if (m_props.BarShadow) {
        drawShadow([&] { m_surface.Polygon(shape.translated(2, 0)); });
    }
    m_surface.Polygon(shape);
}

void ChartRenderer::DrawDiamondShape(double left, double right, double top, double bottom) {
    const double midX = left + (right - left) / 2;
    const double midY = top + (bottom - top) / 2;
    m_surface.Polygon(QPolygon({toPixels(left, midY), toPixels(midX, top), toPixels(right, midY),
                                toPixels(midX, bottom)}));
}
