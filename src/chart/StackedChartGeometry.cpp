#include "chart/StackedChartGeometry.h"

#include "chart/ChartSurface.h"

#include <algorithm>
#include <cmath>

namespace {

// Measures at a font size and puts the surface's own size back.
double textWidthAt(ChartSurface& surface, const QString& text, double points) {
    const double saved = surface.FontSize();
    surface.setFontSize(points);
    const double width = surface.TextWidth(text);
    surface.setFontSize(saved);
    return width;
}

double textHeightAt(ChartSurface& surface, double points) {
    const double saved = surface.FontSize();
    surface.setFontSize(points);
    const double height = surface.TextHeight(QStringLiteral("0"));
    surface.setFontSize(saved);
    return height;
}

} // namespace

QString StackedChartGeometry::tickText(double value) {
    return QString::number(value, 'g', 12);
}

double StackedChartGeometry::niceStep(double largest) {
    if (!(largest > 0)) {
        return 2; // an empty chart reads 0 to 10
    }
    const double rough = largest / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (rough <= factor * power) {
            return factor * power;
        }
    }
    return 10 * power;
}

StackedChartGeometry::StackedChartGeometry(const StackedChartData& data,
                                           const StackedChartStyle& style, ChartSurface& surface)
    : m_data(data)
    , m_style(style)
    , m_tablePoints(style.tablePoints) {
    const double width = surface.ScaleWidth();
    const double height = surface.ScaleHeight();
    const double largest = data.largestStack();
    m_axisStep = niceStep(largest);
    m_axisMax = largest > 0 ? std::ceil(largest / m_axisStep - 1e-9) * m_axisStep : 10;
    if (m_axisMax < largest) {
        m_axisMax += m_axisStep;
    }
    const double titleHeight = style.title.isEmpty() ? 0 : textHeightAt(surface, style.titlePoints);
    m_title = QRectF(0, Margin, width, titleHeight);
    if (style.showDataTable) {
        measureTable(surface);
    }
    placePlot(surface, width, height);
}

void StackedChartGeometry::measureTable(ChartSurface& surface) {
    m_rowHeight = textHeightAt(surface, m_style.tablePoints) + Gap;
    double header = 0;
    for (const StackedSeries& s : m_data.series) {
        header = std::max(header, textWidthAt(surface, s.name, m_style.tablePoints));
    }
    // the legend key is a square of half a row beside the name
    m_rowHeaderWidth = header + m_rowHeight / 2 + 3 * Gap;
}

void StackedChartGeometry::placePlot(ChartSurface& surface, double width, double height) {
    double labelWidth = 0;
    for (const double tick : ticks()) {
        labelWidth = std::max(labelWidth, textWidthAt(surface, tickText(tick), m_style.axisPoints));
    }
    const double axisHeight = textHeightAt(surface, m_style.axisPoints);
    const double left = Margin + std::max(labelWidth + Gap, m_rowHeaderWidth);
    const double right = std::max(left + 1, width - Margin);
    const double rows = m_style.showDataTable ? 1.0 + static_cast<double>(m_data.series.size()) : 0;
    const double below = m_style.showDataTable ? rows * m_rowHeight : axisHeight + Gap;
    const double top = m_title.bottom() + Gap + axisHeight / 2;
    const double bottom = std::max(top + 1, height - Margin - below);
    m_plot = QRectF(QPointF(left, top), QPointF(right, bottom));

    const auto count = std::max<qsizetype>(1, m_data.categories.size());
    const double slot = m_plot.width() / static_cast<double>(count);
    double widest = 0;
    for (const QString& day : m_data.categories) {
        widest = std::max(widest, textWidthAt(surface, day, m_style.axisPoints));
    }
    m_labelStride =
        widest > 0 ? std::max(1, static_cast<int>(std::ceil((widest + Gap) / slot))) : 1;
    if (m_style.showDataTable) {
        double widestCell = 0;
        for (const StackedSeries& s : m_data.series) {
            for (const QString& text : s.texts) {
                widestCell = std::max(widestCell, textWidthAt(surface, text, m_style.tablePoints));
            }
        }
        for (const QString& day : m_data.categories) {
            widestCell = std::max(widestCell, textWidthAt(surface, day, m_style.tablePoints));
        }
        const double room = slot - Gap / 2;
        if (widestCell > room && widestCell > 0) {
            m_tablePoints = std::max(4.0, m_style.tablePoints * room / widestCell);
        }
    }
}

std::vector<double> StackedChartGeometry::ticks() const {
    std::vector<double> values;
    const int count = static_cast<int>(std::lround(m_axisMax / m_axisStep));
    for (int i = 0; i <= count; ++i) {
        values.push_back(m_axisStep * i);
    }
    return values;
}

double StackedChartGeometry::yOf(double value) const {
    return m_plot.bottom() - m_plot.height() * value / m_axisMax;
}

QRectF StackedChartGeometry::slotRect(int category) const {
    const auto count = std::max<qsizetype>(1, m_data.categories.size());
    const double slot = m_plot.width() / static_cast<double>(count);
    return QRectF(m_plot.left() + slot * category, m_plot.top(), slot, m_plot.height());
}

QRectF StackedChartGeometry::segmentRect(int category, int series) const {
    const auto c = static_cast<std::size_t>(category);
    double base = 0;
    for (int s = 0; s < series; ++s) {
        base += std::max(0.0, m_data.series[static_cast<std::size_t>(s)].values[c]);
    }
    const double value = m_data.series[static_cast<std::size_t>(series)].values[c];
    if (!(value > 0)) {
        return {};
    }
    const QRectF slot = slotRect(category);
    // columns fill 60 % of their slot, centred, as the office chart's gap width left them
    const double barWidth = slot.width() * 0.6;
    const double left = slot.center().x() - barWidth / 2;
    return QRectF(QPointF(left, yOf(base + value)), QPointF(left + barWidth, yOf(base)));
}

int StackedChartGeometry::hitTest(QPointF twips) const {
    if (!m_plot.contains(twips) || m_data.categories.isEmpty()) {
        return -1;
    }
    const double slot = m_plot.width() / static_cast<double>(m_data.categories.size());
    const int column = static_cast<int>((twips.x() - m_plot.left()) / slot);
    return std::clamp(column, 0, static_cast<int>(m_data.categories.size()) - 1);
}

QRectF StackedChartGeometry::tableCell(int row, int column) const {
    const double top = m_plot.bottom() + m_rowHeight * row;
    if (column < 0) {
        return QRectF(m_plot.left() - m_rowHeaderWidth, top, m_rowHeaderWidth, m_rowHeight);
    }
    const QRectF slot = slotRect(column);
    return QRectF(slot.left(), top, slot.width(), m_rowHeight);
}

QRectF StackedChartGeometry::legendKey(int series) const {
    const QRectF header = tableCell(series + 1, -1);
    const double side = m_rowHeight / 2;
    return QRectF(header.left() + Gap, header.center().y() - side / 2, side, side);
}
