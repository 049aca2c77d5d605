#include "chart/StackedChartView.h"

#include "chart/StackedChartRenderer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

StackedChartView::StackedChartView(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StackedChartView::setChart(StackedChartData data, StackedChartStyle style) {
    m_data = std::move(data);
    m_style = std::move(style);
    refresh();
}

void StackedChartView::refresh() {
    repaintPicture();
    // a screen reader reads the title and what the columns are made of
    QStringList names;
    for (const StackedSeries& series : m_data.series) {
        names.append(series.name);
    }
    setAccessibleDescription(m_style.title + QStringLiteral(": ") +
                             names.join(QStringLiteral(", ")));
    update();
}

void StackedChartView::repaintPicture() {
    if (width() <= 0 || height() <= 0) {
        m_picture = QImage();
        return;
    }
    m_picture = StackedChartRenderer::toImage(m_data, m_style, size());
}

bool StackedChartView::EditCopy() const {
    if (m_picture.isNull()) {
        return false;
    }
    QGuiApplication::clipboard()->setImage(m_picture);
    return true;
}

void StackedChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(0, 0, m_picture);
}

void StackedChartView::resizeEvent(QResizeEvent*) {
    repaintPicture();
}
