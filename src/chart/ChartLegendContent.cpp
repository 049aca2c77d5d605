#include "chart/ChartLegendContent.h"

#include "chart/LegendLayout.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

ChartLegendContent::ChartLegendContent(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picContainer"));
}

void ChartLegendContent::setEntries(std::vector<Entry> entries) {
    m_entries = std::move(entries);
    update();
}

void ChartLegendContent::setSelection(int index, const QColor& outline) {
    m_selected = index;
    m_outline = outline;
    update();
}

QString ChartLegendContent::shownText(int index) const {
    if (index < 0 || index >= static_cast<int>(m_entries.size())) {
        return {};
    }
    const QFontMetricsF metrics(font());
    const double available = width() - LegendLayout::TextLeft - 5;
    return LegendLayout::fitText(
        m_entries[static_cast<std::size_t>(index)].text, available,
        [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

void ChartLegendContent::paintEntries(QPainter& painter, int width) const {
    const QFontMetricsF metrics(font());
    const double available = width - LegendLayout::TextLeft - 5;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const int index = static_cast<int>(i);
        const Entry& entry = m_entries[i];
        const QRect swatch = LegendLayout::swatchRect(index);
        painter.fillRect(swatch, entry.swatch);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setPen(entry.textColor);
        const QString text =
            LegendLayout::fitText(entry.text, available, [&metrics](const QString& t) {
                return metrics.horizontalAdvance(t);
            });
        painter.drawText(LegendLayout::textRect(index, width), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        if (index == m_selected && m_outline.isValid()) {
            painter.setPen(m_outline);
            const QRect around = swatch.united(LegendLayout::textRect(index, width - 5));
            painter.drawRect(around.adjusted(-2, -2, 2, 1));
        }
    }
}

void ChartLegendContent::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    paintEntries(painter, width());
}

QImage ChartLegendContent::entriesImage(int width, const QColor& background) const {
    const int height = LegendLayout::contentHeight(static_cast<int>(m_entries.size()));
    QImage image(QSize(std::max(width, 1), height), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font());
    paintEntries(painter, width);
    return image;
}

void ChartLegendContent::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const int index = LegendLayout::entryAt(point, static_cast<int>(m_entries.size()), width());
    const QPoint global = event->globalPosition().toPoint();
    if (index >= 0) {
        Q_EMIT entryPressed(index, event->button(), global);
    } else if (event->button() == Qt::RightButton) {
        Q_EMIT menuRequested(global);
    }
}

bool ChartLegendContent::event(QEvent* event) {
    // A shortened entry shows its whole text when the pointer rests on it.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index =
            LegendLayout::entryAt(help->pos(), static_cast<int>(m_entries.size()), width());
        if (index >= 0 && shownText(index) != m_entries[static_cast<std::size_t>(index)].text) {
            QToolTip::showText(help->globalPos(), m_entries[static_cast<std::size_t>(index)].text,
                               this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}
