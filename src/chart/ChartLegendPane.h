#pragma once

#include "chart/ChartLegendContent.h"

#include <QWidget>

class QScrollBar;

// The legend pane at the chart's right edge: its background and outline, the list of entries
// and the scroll bar that moves the list when it is taller than the pane.
class ChartLegendPane : public QWidget {
    Q_OBJECT

public:
    explicit ChartLegendPane(QWidget* parent = nullptr);

    ChartLegendContent* content() const { return m_content; }
    QScrollBar* scrollBar() const { return m_scrollBar; }
    void setEntries(std::vector<ChartLegendContent::Entry> entries);
    void setBackColor(const QColor& colour);
    QColor backColor() const { return m_back; }
    int scrollValue() const;
    void setScrollValue(int value);
    // Scrolls so that entry `index` is in view.
    void ensureVisible(int index);

Q_SIGNALS:
    void menuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void layoutContent();
    void scrolled(int value);

    ChartLegendContent* m_content;
    QScrollBar* m_scrollBar;
    QColor m_back;
};
