#include "chart/ChartLegendPane.h"

#include "chart/LegendLayout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace {
// The pane's outline, a pale blue.
const QColor OutlineColor(224, 224, 255);
constexpr int Border = 1;
} // namespace

ChartLegendPane::ChartLegendPane(QWidget* parent)
    : QWidget(parent)
    , m_content(new ChartLegendContent(this))
    , m_scrollBar(new QScrollBar(Qt::Vertical, this))
    , m_back(0xF5, 0xF5, 0xF0) {
    setObjectName(QStringLiteral("picLegend"));
    m_scrollBar->setObjectName(QStringLiteral("vsbContainer"));
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &ChartLegendPane::scrolled);
    connect(m_content, &ChartLegendContent::menuRequested, this, &ChartLegendPane::menuRequested);
}

void ChartLegendPane::setEntries(std::vector<ChartLegendContent::Entry> entries) {
    m_content->setEntries(std::move(entries));
    layoutContent();
}

void ChartLegendPane::setBackColor(const QColor& colour) {
    m_back = colour;
    QPalette shades = m_content->palette();
    shades.setColor(QPalette::Window, colour);
    m_content->setPalette(shades);
    m_content->setAutoFillBackground(true);
    update();
}

int ChartLegendPane::scrollValue() const {
    return m_scrollBar->value();
}

void ChartLegendPane::setScrollValue(int value) {
    m_scrollBar->setValue(value);
}

void ChartLegendPane::ensureVisible(int index) {
    m_scrollBar->setValue(
        LegendLayout::scrollForSelection(index, height() - 2 * Border, m_scrollBar->maximum()));
}

void ChartLegendPane::layoutContent() {
    const int inner = height() - 2 * Border;
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int contentHeight =
        LegendLayout::contentHeight(static_cast<int>(m_content->entries().size()));
    const int hidden = std::max(contentHeight - inner, 0);
    m_scrollBar->setRange(0, hidden);
    m_scrollBar->setPageStep(std::max(inner, 1));
    m_scrollBar->setSingleStep(LegendLayout::Pitch);
    m_scrollBar->setGeometry(width() - Border - barWidth, Border, barWidth, inner);
    m_scrollBar->setVisible(hidden > 0);
    m_content->setGeometry(Border, Border - m_scrollBar->value(), width() - 2 * Border - barWidth,
                           std::max(contentHeight, inner));
}

void ChartLegendPane::scrolled(int value) {
    m_content->move(Border, Border - value);
}

void ChartLegendPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    painter.setPen(OutlineColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ChartLegendPane::resizeEvent(QResizeEvent*) {
    layoutContent();
}

void ChartLegendPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT menuRequested(event->globalPosition().toPoint());
    }
}
