#include "chart/XChartModel.h"

#include "chart/ValueFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The 16-colour console palette; white (15) is never reached because the index wraps at 15.
constexpr std::uint32_t Palette[15] = {
    ColorValue::rgb(0, 0, 0),     ColorValue::rgb(0, 0, 128),     ColorValue::rgb(0, 128, 0),
    ColorValue::rgb(0, 128, 128), ColorValue::rgb(128, 0, 0),     ColorValue::rgb(128, 0, 128),
    ColorValue::rgb(128, 128, 0), ColorValue::rgb(192, 192, 192), ColorValue::rgb(128, 128, 128),
    ColorValue::rgb(0, 0, 255),   ColorValue::rgb(0, 255, 0),     ColorValue::rgb(0, 255, 255),
    ColorValue::rgb(255, 0, 0),   ColorValue::rgb(255, 0, 255),   ColorValue::rgb(255, 255, 0),
};

// Clears a flag when the scope ends, whatever a connected handler does.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag)
        : m_flag(flag) {
        m_flag = true;
    }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

XChartModel::XChartModel(QObject* parent)
    : QObject(parent) {}

ChartItemRef XChartModel::item(int index) const {
    if (index < 0 || index >= itemCount()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(index)];
}

bool XChartModel::isMeanItem(int index) const {
    return m_props.MeanOn && index >= 0 && index == itemCount() - 1;
}

bool XChartModel::AddItem(const ChartItemRef& item) {
    if (!item) {
        return false;
    }
    if (m_props.MeanOn && !m_items.empty()) {
        m_items.pop_back();
    }
    m_items.push_back(item);
    if (m_props.MeanOn) {
        ComputeMean();
        if (m_props.MeanCaption.isEmpty()) {
            m_props.MeanCaption = QStringLiteral("Mean");
        }
        auto mean = std::make_shared<ChartItem>();
        mean->Value = m_meanValue;
        mean->ItemID = mean->SelectedDescription = mean->LegendDescription =
            mean->XAxisDescription = m_props.MeanCaption;
        m_items.push_back(mean);
    }
    return true;
}

void XChartModel::ComputeMean() {
    double sum = 0;
    for (const ChartItemRef& element : m_items) {
        sum += element->Value;
    }
    m_meanValue = m_items.empty() ? 0 : sum / static_cast<double>(m_items.size());
}

void XChartModel::Clear() {
    m_items.clear();
    m_legend.clear();
    m_selectedColumn = -1;
    // The next click on the item that was selected before must count as a new selection.
    m_lastSelectedColumn = -1;
    DrawChart();
}

void XChartModel::DrawChart(bool fromResize) {
    if (!m_props.AutoRedraw) {
        return;
    }
    ComputeValueRange();
    const ChartGeometry geometry = this->geometry();
    m_layout.UnitHeight = geometry.unitHeight();
    if (!m_items.empty()) {
        m_layout.UnitWidth = geometry.unitWidth(itemCount());
    }
    layoutItems();
    if (!fromResize) {
        rebuildLegend();
    }
    Q_EMIT drawRequested(fromResize);
}

void XChartModel::ComputeValueRange() {
    const ValueRange range = ChartGeometry::computeValueRange(m_props.MinY, m_props.MaxY);
    m_layout.RangeMode = range.mode;
    m_layout.RangeUnits = range.units;
    if (m_props.IntersectMajor == 0) {
        m_props.IntersectMajor = static_cast<float>(range.units / 10);
    }
    if (m_props.IntersectMinor == 0) {
        m_props.IntersectMinor = m_props.IntersectMajor / 5;
    }
}

void XChartModel::layoutItems() {
    if (m_items.empty()) {
        return;
    }
    const ChartGeometry geometry = this->geometry();
    m_layout.ItemBounds.resize(m_items.size());
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_layout.ItemBounds[i] = geometry.itemExtent(m_items[i]->Value);
    }
}

void XChartModel::rebuildLegend() {
    m_legend.clear();
    const int type = m_props.ChartType;
    const bool anyShape = (type & ChartTypeBits::AnyShape) != 0;
    for (int i = 0; i < itemCount(); ++i) {
        std::uint32_t swatch = itemFillColor(i);
        if (!anyShape && isMeanItem(i)) {
            swatch = m_props.MeanColor;
        } else if (!anyShape && (type & ChartTypeBits::Line) != 0) {
            swatch = m_props.LineColor;
        } else if (!anyShape && (type & ChartTypeBits::Symbol) != 0) {
            swatch = m_props.BarSymbolColor;
        }
        m_legend.push_back(
            LegendEntry{item(i)->LegendDescription, swatch, m_props.LegendForeColor});
    }
    if (allowanceShown()) {
        m_legend.push_back(
            LegendEntry{m_props.AllowanceCaption, m_props.AllowanceColor, m_props.LegendForeColor});
    }
}

std::uint32_t XChartModel::itemFillColor(int index) const {
    if (index == m_selectedColumn && m_props.Selectable) {
        return m_props.SelectedBarColor;
    }
    if (isMeanItem(index)) {
        return m_props.MeanColor;
    }
    if (m_props.ColorBars) {
        return paletteColor(index % 15);
    }
    return m_props.BarColor;
}

std::uint32_t XChartModel::paletteColor(int index) {
    return Palette[std::clamp(index, 0, 14)];
}

void XChartModel::setScale(double widthTwips, double heightTwips) {
    m_scaleWidth = widthTwips;
    m_scaleHeight = heightTwips;
}

void XChartModel::setTwipsPerPixel(double x, double y) {
    m_twipsPerPixelX = x > 0 ? x : 15;
    m_twipsPerPixelY = y > 0 ? y : 15;
}

int XChartModel::toPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

std::int16_t XChartModel::toShort(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

void XChartModel::setMargin(float& margin, int pixels, double twipsPerPixel) {
    margin = static_cast<float>(pixels * twipsPerPixel);
    DrawChart();
    m_changed = true;
}

void XChartModel::setMarginTop(int pixels) {
    setMargin(m_marginTop, pixels, m_twipsPerPixelY);
}
void XChartModel::setMarginBottom(int pixels) {
    setMargin(m_marginBottom, pixels, m_twipsPerPixelY);
}
void XChartModel::setMarginLeft(int pixels) {
    setMargin(m_marginLeft, pixels, m_twipsPerPixelX);
}
void XChartModel::setMarginRight(int pixels) {
    setMargin(m_marginRightSet, pixels, m_twipsPerPixelX);
}

XChartModel::MarginsTwips XChartModel::marginsTwips() const {
    return MarginsTwips{m_marginTop, m_marginBottom, m_marginLeft, m_marginRightSet};
}

void XChartModel::setMarginsTwips(const MarginsTwips& margins) {
    m_marginTop = margins.top;
    m_marginBottom = margins.bottom;
    m_marginLeft = margins.left;
    m_marginRightSet = margins.right;
}

void XChartModel::setSelectedColumn(int index) {
    if (index == m_selectedColumn) {
        return;
    }
    const bool names = index >= 0 && index < itemCount();
    m_selectedColumn = names ? index : -1;
    DrawChart();
    m_changed = true;
    if (names && !isMeanItem(index)) {
        Q_EMIT ItemClick(item(index));
    }
}

void XChartModel::setLegendVisible(bool visible) {
    m_legendVisible = visible;
}

void XChartModel::setLegendPaneWidth(double twips) {
    m_legendPaneWidth = std::max(0.0, twips);
}

ChartFrame XChartModel::frame() const {
    ChartFrame frame;
    frame.scaleWidth = m_scaleWidth;
    frame.scaleHeight = m_scaleHeight;
    frame.twipsPerPixelX = m_twipsPerPixelX;
    frame.twipsPerPixelY = m_twipsPerPixelY;
    frame.marginTop = m_marginTop;
    frame.marginBottom = m_marginBottom;
    frame.marginLeft = m_marginLeft;
    frame.marginRight = m_marginRightSet + (m_legendVisible ? m_legendPaneWidth : 0);
    frame.legendShown = m_legendVisible;
    frame.legendPaneWidth = m_legendPaneWidth;
    frame.splitterWidth = SplitterWidth;
    return frame;
}

ChartGeometry XChartModel::geometry() const {
    return ChartGeometry(frame(), m_layout, m_props.MinY, m_props.MaxY);
}

int XChartModel::HitTestColumn(double x, double y) const {
    if ((m_props.ChartType & ChartTypeBits::AnyShape) == 0 || !m_props.Selectable) {
        return -1;
    }
    return geometry().hitTest(x, y, itemCount());
}

void XChartModel::selectAt(double x, double y) {
    const int index = HitTestColumn(x, y);
    if (index < 0 || m_clickInProgress) {
        return;
    }
    FlagGuard guard(m_clickInProgress);
    m_selectedColumn = index;
    if (index != m_lastSelectedColumn) {
        DrawChart();
        m_lastSelectedColumn = index;
        if (!isMeanItem(index)) {
            Q_EMIT ItemClick(item(index));
        }
    }
}

void XChartModel::selectFromLegend(int index) {
    if (!m_props.Selectable || index < 0 || index >= itemCount()) {
        return;
    }
    m_selectedColumn = m_lastSelectedColumn = index;
    DrawChart();
}

QString XChartModel::BuildInfoText(int index) {
    const ChartItemRef chosen = item(index);
    if (!m_props.SelectionInformation || !chosen) {
        return {};
    }
    if (m_props.InfoItems.isEmpty()) {
        m_props.InfoItems = ChartDefaults::InfoItems;
    }
    const QStringList labels = m_props.InfoItems.split(QLatin1Char('|'));
    auto label = [&labels](int k) { return k < labels.size() ? labels[k] : QString(); };
    QString text =
        label(0) + QStringLiteral(": ") + ValueFormat::format(chosen->Value, m_props.DataFormat);
    if (!chosen->SelectedDescription.isEmpty()) {
        text +=
            QStringLiteral("\r\n") + label(1) + QStringLiteral(": ") + chosen->SelectedDescription;
    }
    if (m_props.MeanOn && !isMeanItem(index)) {
        text += QStringLiteral("\r\n") + label(2) + QStringLiteral(": ") +
                ValueFormat::format(m_meanValue, m_props.DataFormat);
    }
    return text;
}

void XChartModel::setLegendCaption(const QString& v) {
    store(&ChartProperties::LegendCaption,
          v.isEmpty() ? QString::fromLatin1(ChartDefaults::LegendCaption) : v);
}

void XChartModel::setBarSymbol(const QString& v) {
    // The symbol is exactly one character; an empty text would leave nothing to draw.
    if (!v.isEmpty()) {
        redraw(&ChartProperties::BarSymbol, v.left(1));
    }
}

void XChartModel::setMenuItems(const QString& v) {
    store(&ChartProperties::MenuItems, v);
    Q_EMIT menuCaptionsChanged();
}

void XChartModel::setMaxY(double v) {
    if (v > m_props.MinY) {
        m_props.MaxY = v;
        DrawChart();
        m_changed = true;
    }
}

void XChartModel::setMinY(double v) {
    if (v < m_props.MaxY) {
        m_props.MinY = v;
        DrawChart();
        m_changed = true;
    }
}

void XChartModel::setAllowanceValue(std::optional<double> value) {
    if (value != m_allowanceValue) {
        m_allowanceValue = value;
        DrawChart();
    }
}

void XChartModel::loadProperties(const ChartProperties& properties, int selectedColumn) {
    const ChartProperties previous = m_props;
    m_props = properties;
    // A stored range with its ends the wrong way round would turn the chart upside down.
    if (!(m_props.MaxY > m_props.MinY)) {
        m_props.MaxY = previous.MaxY;
        m_props.MinY = previous.MinY;
    }
    m_selectedColumn = selectedColumn;
    m_lastSelectedColumn = -1;
}
