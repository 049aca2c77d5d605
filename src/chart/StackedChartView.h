#pragma once

#include "chart/StackedChartData.h"
#include "chart/StackedChartGeometry.h"

#include <QImage>
#include <QWidget>

// The stacked-column chart in a window: keeps the data and style it was given, paints them
// through the chart renderer at its own size, and copies its picture to the clipboard.
class StackedChartView : public QWidget {
    Q_OBJECT

public:
    explicit StackedChartView(QWidget* parent = nullptr);

    void setChart(StackedChartData data, StackedChartStyle style);
    const StackedChartData& data() const { return m_data; }
    const StackedChartStyle& style() const { return m_style; }
    StackedChartStyle& style() { return m_style; }
    // Draws again after a change of style().
    void refresh();

    // The picture as shown now.
    const QImage& picture() const { return m_picture; }
    // The picture onto the clipboard; false when there is none.
    bool EditCopy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void repaintPicture();

    StackedChartData m_data;
    StackedChartStyle m_style;
    QImage m_picture;
};
