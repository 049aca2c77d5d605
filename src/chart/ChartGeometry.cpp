#include "chart/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Chart values beyond a quadrillion (or not numbers at all) only come from damaged text; they
// are held to that bound, so that neither the conversion nor the steps derived from it can
// leave the range of a 64-bit whole number.
long long roundHalfEven(double value) {
    constexpr double limit = 1e15;
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<long long>(std::nearbyint(std::clamp(value, -limit, limit)));
}

bool isMultiple(long long value, long long step) {
    return step > 0 && value % step == 0;
}

// The smallest of step, 2 step, 5 step, 10 step, ... whose height reaches `pitch`.
long long widenedStep(long long step, double unitHeight, double pitch, long long span) {
    static constexpr long long factors[] = {1, 2, 5};
    for (long long scale = 1; scale <= span; scale *= 10) {
        for (const long long factor : factors) {
            const long long candidate = step * factor * scale;
            if (static_cast<double>(candidate) * unitHeight >= pitch || candidate >= span) {
                return candidate;
            }
        }
    }
    return std::max(step, span);
}

} // namespace

ChartGeometry::ChartGeometry(const ChartFrame& frame, const ChartLayout& layout, double minY,
                             double maxY)
    : m_frame(frame)
    , m_layout(layout)
    , m_minY(minY)
    , m_maxY(maxY) {}

ValueRange ChartGeometry::computeValueRange(double minY, double maxY) {
    ValueRange range;
    double span = 0;
    if (minY < 0 && maxY < 0) {
        range.mode = 1;
        span = std::fabs(minY) - std::fabs(maxY);
    } else if (minY >= 0 && maxY >= 0) {
        range.mode = 2;
        span = std::fabs(maxY) - std::fabs(minY);
    } else {
        range.mode = 0;
        span = std::fabs(maxY) + std::fabs(minY);
    }
    range.units = static_cast<double>(roundHalfEven(span));
    if (range.units == 0) {
        range.units = 1;
    }
    return range;
}

double ChartGeometry::unitHeight() const {
    return (m_frame.scaleHeight - (m_frame.marginTop + m_frame.marginBottom)) / m_layout.RangeUnits;
}

double ChartGeometry::unitWidth(int itemCount) const {
    if (itemCount <= 0) {
        return m_layout.UnitWidth;
    }
    return (m_frame.scaleWidth - (m_frame.marginLeft + m_frame.marginRight)) / itemCount;
}

double ChartGeometry::titleCentreX() const {
    if (m_frame.legendShown) {
        const double splitterLeft =
            m_frame.scaleWidth - m_frame.legendPaneWidth - m_frame.splitterWidth;
        return splitterLeft / 2;
    }
    return m_frame.scaleWidth / 2;
}

QRectF ChartGeometry::slotRect(int index) const {
    const double gap = 2 * m_frame.twipsPerPixelX;
    const double left = index * m_layout.UnitWidth + m_frame.marginLeft + gap;
    const double right = left + m_layout.UnitWidth - gap;
    return QRectF(QPointF(left, plotTop()), QPointF(right, plotBottom()));
}

QRectF ChartGeometry::shapeRect(int index, double barWidthPercentage) const {
    const QRectF slot = slotRect(index);
    const double unit = m_layout.UnitWidth;
    const double barWidth = barWidthPercentage * unit / 100;
    const double left = slot.left() + (unit - barWidth) / 2;
    const double right = slot.right() - (unit - barWidth) / 2;
    return QRectF(QPointF(left, slot.top()), QPointF(right, slot.bottom()));
}

ItemBound ChartGeometry::itemExtent(double value) const {
    const double unit = m_layout.UnitHeight;
    double first = 0;
    double second = 0;
    switch (m_layout.RangeMode) {
    case 2:
        second = plotBottom();
        first = second - (value - m_minY) * unit;
        break;
    case 1:
        first = plotTop();
        second = plotTop() + (std::fabs(value) - std::fabs(m_maxY)) * unit;
        break;
    default:
        first = plotBottom() - std::fabs(m_minY) * unit;
        second = first - value * unit;
        break;
    }
    return ItemBound{std::min(first, second), std::max(first, second)};
}

double ChartGeometry::valueY(double value) const {
    return plotBottom() - (value - m_minY) * m_layout.UnitHeight;
}

std::optional<QLineF> ChartGeometry::levelLine(double value) const {
    if (value < m_minY || value > m_maxY || !(m_layout.UnitHeight > 0)) {
        return std::nullopt;
    }
    const double y = valueY(value);
    return QLineF(plotLeft() + 2 * m_frame.twipsPerPixelX, y, plotRight(), y);
}

std::vector<GridLine> ChartGeometry::gridLines(double major, double minor, bool minorOn,
                                               double labelPitch, double minorPitch) const {
    const long long low = roundHalfEven(m_minY);
    const long long high = roundHalfEven(m_maxY);
    const double unit = m_layout.UnitHeight;
    std::vector<GridLine> lines;
    if (high < low || !(unit > 0)) {
        return lines;
    }
    const long long span = std::max<long long>(high - low, 1);
    long long majorStep = roundHalfEven(major);
    long long minorStep = roundHalfEven(minor);
    if (majorStep > 0) {
        majorStep = widenedStep(majorStep, unit, labelPitch, span);
    }
    if (minorStep > 0) {
        minorStep = widenedStep(minorStep, unit, minorPitch, span);
    }
    auto add = [&](long long value, bool isMajor) {
        lines.push_back(GridLine{value, valueY(static_cast<double>(value)), isMajor, isMajor});
    };
    add(low, true);
    if (majorStep > 0) {
        const long long first = (low / majorStep) * majorStep + (low >= 0 ? majorStep : 0);
        for (long long value = first; value < high; value += majorStep) {
            if (value > low) {
                add(value, true);
            }
        }
    }
    if (minorOn && minorStep > 0) {
        for (long long value = high - minorStep; value > low; value -= minorStep) {
            if (!isMultiple(value, majorStep)) {
                add(value, false);
            }
        }
    }
    if (high != low) {
        add(high, true);
    }
    std::sort(lines.begin(), lines.end(),
              [](const GridLine& a, const GridLine& b) { return a.value < b.value; });
    // Labels on the ends always stay; a major label crowding one of them gives way.
    for (GridLine& line : lines) {
        if (line.labelled && line.value != low && line.value != high) {
            const double toLow = std::fabs(line.y - valueY(static_cast<double>(low)));
            const double toHigh = std::fabs(line.y - valueY(static_cast<double>(high)));
            line.labelled = std::min(toLow, toHigh) >= labelPitch;
        }
    }
    return lines;
}

int ChartGeometry::hitTest(double x, double y, int itemCount) const {
    if (y < plotTop() || y > plotBottom()) {
        return -1;
    }
    const long long unit = roundHalfEven(m_layout.UnitWidth);
    const long long offset = roundHalfEven(x - plotLeft());
    if (unit <= 0 || offset < 0) {
        return -1;
    }
    const long long index = offset / unit;
    if (index >= itemCount || index >= static_cast<long long>(m_layout.ItemBounds.size())) {
        return -1;
    }
    const ItemBound& bound = m_layout.ItemBounds[static_cast<std::size_t>(index)];
    const bool inside = bound.top <= y && y <= bound.bottom;
    return inside ? static_cast<int>(index) : -1;
}
