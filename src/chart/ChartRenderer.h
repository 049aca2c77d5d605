#pragma once

#include "chart/ChartGeometry.h"

#include <QPointF>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class ChartSurface;
class XChartModel;
struct ChartProperties;
class QImage;

// Paints one drawing of a chart onto a surface, in the order the picture is built: background
// picture, title and subtitle, Y grid and numbers, frame, item shapes with symbols, value line
// and X labels, the allowance line, then the axis captions. Reads the layout the model worked
// out; changes nothing but the surface.
class ChartRenderer {
public:
    ChartRenderer(const XChartModel& model, ChartSurface& surface);

    void draw();

    // Item labels turn upright when the widest of them does not fit its slot.
    bool itemLabelsUpright() const;

private:
    void drawTitles();
    void drawValueAxis();
    void drawItem(int index, std::optional<QPointF>& previousPoint);
    void drawShape(int index, double left, double right, double top, double bottom);
    void drawItemLabels(const QRectF& slot, const QString& description, bool upright);
    void drawAllowance();
    void drawAxisCaptions();
    double valueEnd(double value, const ItemBound& bound) const;

    void FillBoxWithPicture(double left, double right, double top, double bottom, bool tile,
                            const QImage& picture);
    // Paints in the shadow colour, solid, then puts the item's colours back.
    void drawShadow(const std::function<void()>& paint);
    void DrawBarShape(double value, double left, double right, double top, double bottom,
                      std::uint32_t outline, bool isMean);
    void DrawEllipseShape(double left, double right, double top, double bottom);
    void DrawTriangleShape(double value, double left, double right, double top, double bottom);
    void DrawTrapezoidShape(double value, double left, double right, double top, double bottom);
    void DrawDiamondShape(double left, double right, double top, double bottom);

    double px() const;
    double pxY() const;
    QPoint toPixels(double x, double y) const;

    const XChartModel& m_model;
    const ChartProperties& m_props;
    ChartSurface& m_surface;
    ChartGeometry m_geometry;
    bool m_uprightLabels = false;
};
