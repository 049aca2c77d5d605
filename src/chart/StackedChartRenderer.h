#pragma once

#include "chart/StackedChartGeometry.h"

#include <QImage>
#include <QSize>
#include <QString>

class ChartSurface;
class QPainter;

// Paints the stacked-column chart onto a surface: background, title, value grid with its
// numbers, the stacked columns, the axes, then the day labels or the data table. Reads the
// geometry; changes nothing but the surface.
class StackedChartRenderer {
public:
    static constexpr std::uint32_t GridColor = 0x00C0C0C0u;
    static constexpr std::uint32_t AxisColor = 0x00000000u;

    StackedChartRenderer(const StackedChartData& data, const StackedChartStyle& style,
                         ChartSurface& surface);

    void draw();
    const StackedChartGeometry& geometry() const { return m_geometry; }

    // The chart as a picture of that many pixels at 96 dots per inch (needs a
    // QGuiApplication for its fonts).
    static QImage toImage(const StackedChartData& data, const StackedChartStyle& style,
                          QSize pixels);
    // PNG or SVG by the file's extension, written whole or not at all. Throws a Failure
    // saying what went wrong.
    static void save(const StackedChartData& data, const StackedChartStyle& style,
                     const QString& path, QSize pixels);

private:
    void drawTitle();
    void drawValueAxis();
    void drawColumns();
    void drawDayLabels();
    void drawDataTable();
    void centredText(const QString& text, const QRectF& box);

    const StackedChartData& m_data;
    StackedChartStyle m_style;
    ChartSurface& m_surface;
    StackedChartGeometry m_geometry;
};
