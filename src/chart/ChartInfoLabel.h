#pragma once

#include <QLabel>

// The selection information label: a small tooltip-coloured box on the chart that the user can
// drag anywhere with the left button; the right button asks for the chart's menu.
class ChartInfoLabel : public QLabel {
    Q_OBJECT

public:
    explicit ChartInfoLabel(QWidget* parent = nullptr);

    void setColors(const QColor& text, const QColor& background);

Q_SIGNALS:
    void menuRequested(QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint m_grab;
    bool m_dragging = false;
};
