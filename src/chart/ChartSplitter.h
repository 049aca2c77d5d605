#pragma once

#include <QWidget>

// The divider between the plot and the legend pane: shows "»" or "«" at its top, can be
// dragged sideways within the right half of the chart, and toggles the legend when its glyph
// is clicked.
class ChartSplitter : public QWidget {
    Q_OBJECT

public:
    explicit ChartSplitter(QWidget* parent = nullptr);

    void setGlyph(const QString& glyph);
    QString glyph() const { return m_glyph; }

Q_SIGNALS:
    // Released after a drag; the divider stands at its new place.
    void dragFinished();
    void glyphClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool onGlyph(QPointF point) const;

    QString m_glyph;
    bool m_pressed = false;
    bool m_dragged = false;
};
