#include "chart/ChartSplitter.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The glyph is the click target: the top few pixels of the divider.
constexpr int GlyphHeight = 5;
} // namespace

ChartSplitter::ChartSplitter(QWidget* parent)
    : QWidget(parent)
    , m_glyph(QStringLiteral("\u00AB")) {
    setObjectName(QStringLiteral("picSplitter"));
    setMouseTracking(true);
    setCursor(Qt::SizeHorCursor);
}

void ChartSplitter::setGlyph(const QString& glyph) {
    m_glyph = glyph;
    update();
}

bool ChartSplitter::onGlyph(QPointF point) const {
    return point.y() <= GlyphHeight + fontMetrics().height();
}

void ChartSplitter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(QRect(0, 0, width(), fontMetrics().height()), Qt::AlignLeft | Qt::AlignTop,
                     m_glyph);
}

void ChartSplitter::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_dragged = false;
    }
}

void ChartSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressed) {
        setCursor(onGlyph(event->position()) ? Qt::PointingHandCursor : Qt::SizeHorCursor);
        return;
    }
    const int x = static_cast<int>(event->position().x());
    if (x == 0 || !parentWidget()) {
        return;
    }
    const int newLeft = this->x() + x;
    const int parentWidth = parentWidget()->width();
    if (newLeft > parentWidth / 2 && newLeft < parentWidth - width()) {
        move(newLeft, this->y());
        m_dragged = true;
    }
}

void ChartSplitter::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        return;
    }
    m_pressed = false;
    if (m_dragged) {
        Q_EMIT dragFinished();
    } else if (onGlyph(event->position())) {
        Q_EMIT glyphClicked();
    }
    setCursor(Qt::SizeHorCursor);
}
