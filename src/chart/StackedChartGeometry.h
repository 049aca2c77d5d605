#pragma once

#include "chart/StackedChartData.h"

#include <QRectF>
#include <QString>
#include <vector>

class ChartSurface;

// How the stacked chart looks apart from its data: the title, whether the data table is
// shown under the plot, and the font sizes of the title, the table and the axis labels.
struct StackedChartStyle {
    QString title;
    bool showDataTable = false;
    double titlePoints = 8;
    double tablePoints = 9;
    double axisPoints = 10;
    std::uint32_t backColor = 0x00FFFFFFu;
};

// Where everything of the stacked chart goes, in twips, for a surface of a given size: the
// title, the plot with its value ticks, one column slot per day with a rectangle per series
// stacked from the bottom, and the data table (a header row of days and one row per series)
// or the day labels under the plot. Computed once, without painting; text sizes come from
// the surface's metrics.
class StackedChartGeometry {
public:
    static constexpr double Margin = 120; // twips around the picture and between parts
    static constexpr double Gap = 60;

    StackedChartGeometry(const StackedChartData& data, const StackedChartStyle& style,
                         ChartSurface& surface);

    const QRectF& titleRect() const { return m_title; }
    const QRectF& plotRect() const { return m_plot; }
    double axisMax() const { return m_axisMax; }
    double axisStep() const { return m_axisStep; }
    // The value ticks from 0 to axisMax, bottom first.
    std::vector<double> ticks() const;
    double yOf(double value) const;

    QRectF slotRect(int category) const;
    // The part of a column that one series fills; empty when its value is not above 0.
    QRectF segmentRect(int category, int series) const;
    // Which column a point lies in, -1 for none.
    int hitTest(QPointF twips) const;

    bool hasDataTable() const { return m_style.showDataTable; }
    // Row 0 holds the days, row 1 + s series s. Column -1 is the row header.
    QRectF tableCell(int row, int column) const;
    QRectF legendKey(int series) const;
    // The table font, shrunk below the style's size when the widest value would not fit.
    double tablePoints() const { return m_tablePoints; }
    // Every how many columns a day label is written under the plot (1: each).
    int labelStride() const { return m_labelStride; }

    static double niceStep(double largest);
    // A value axis label: measured here and drawn by the renderer, so both use this text.
    static QString tickText(double value);

private:
    void measureTable(ChartSurface& surface);
    void placePlot(ChartSurface& surface, double width, double height);

    const StackedChartData& m_data;
    StackedChartStyle m_style;
    QRectF m_title;
    QRectF m_plot;
    double m_axisMax = 10;
    double m_axisStep = 2;
    double m_tablePoints = 9;
    double m_rowHeight = 0;
    double m_rowHeaderWidth = 0;
    int m_labelStride = 1;
};
