#include "chart/ChartInfoLabel.h"

#include <QMouseEvent>

ChartInfoLabel::ChartInfoLabel(QWidget* parent)
    : QLabel(parent) {
    setObjectName(QStringLiteral("lblInfo"));
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(1);
    setCursor(Qt::SizeAllCursor);
}

void ChartInfoLabel::setColors(const QColor& text, const QColor& background) {
    QPalette shades = palette();
    shades.setColor(QPalette::WindowText, text);
    shades.setColor(QPalette::Window, background);
    setPalette(shades);
}

void ChartInfoLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_grab = event->position().toPoint();
        m_dragging = true;
    } else {
        Q_EMIT menuRequested(event->globalPosition().toPoint());
    }
}

void ChartInfoLabel::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        move(mapToParent(event->position().toPoint()) - m_grab);
    }
}

void ChartInfoLabel::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}
