#pragma once

#include "chart/ChartGeometry.h"
#include "chart/ChartItem.h"
#include "chart/ChartProperties.h"

#include <QObject>
#include <optional>
#include <vector>

// One line of the legend pane as the last drawing left it.
struct LegendEntry {
    QString text;
    std::uint32_t swatchColor = 0;
    std::uint32_t textColor = 0;
};

// The chart control without a window: items and the trailing mean item, the published
// properties with what each write does, the selection, the margins (published in pixels,
// held in twips) and the layout worked out by each drawing. Whoever shows the chart paints
// when `drawRequested` arrives.
class XChartModel : public QObject {
    Q_OBJECT

public:
    explicit XChartModel(QObject* parent = nullptr);

    const ChartProperties& properties() const { return m_props; }

    // Items, 0-based here; the mean item (while MeanOn) is the last element.
    const std::vector<ChartItemRef>& items() const { return m_items; }
    int itemCount() const { return static_cast<int>(m_items.size()); }
    ChartItemRef item(int index) const;
    bool isMeanItem(int index) const;
    double MeanValue() const { return m_meanValue; }
    bool AddItem(const ChartItemRef& item);
    void Clear();

    // Paints the whole chart (nothing while AutoRedraw is false). `fromResize` keeps the
    // legend entries of the previous drawing.
    void DrawChart(bool fromResize = false);
    void Refresh() { DrawChart(); }

    // Size of the control and the screen's twips per pixel.
    void setScale(double widthTwips, double heightTwips);
    void setTwipsPerPixel(double x, double y);
    double twipsPerPixelX() const { return m_twipsPerPixelX; }
    double twipsPerPixelY() const { return m_twipsPerPixelY; }

    int MarginTop() const { return toPixels(m_marginTop, m_twipsPerPixelY); }
    int MarginBottom() const { return toPixels(m_marginBottom, m_twipsPerPixelY); }
    int MarginLeft() const { return toPixels(m_marginLeft, m_twipsPerPixelX); }
    int MarginRight() const { return toPixels(m_marginRightSet, m_twipsPerPixelX); }
    void setMarginTop(int pixels);
    void setMarginBottom(int pixels);
    void setMarginLeft(int pixels);
    void setMarginRight(int pixels);
    struct MarginsTwips {
        float top, bottom, left, right;
    };
    MarginsTwips marginsTwips() const;
    void setMarginsTwips(const MarginsTwips& margins);

    int SelectedColumn() const { return m_selectedColumn; }
    void setSelectedColumn(int index);
    int LastSelectedColumn() const { return m_lastSelectedColumn; }

    // The legend pane: shown or not, and its width in twips. While shown, the working right
    // margin is the one last set through MarginRight plus the pane's width.
    bool legendVisible() const { return m_legendVisible; }
    void setLegendVisible(bool visible);
    double legendPaneWidth() const { return m_legendPaneWidth; }
    void setLegendPaneWidth(double twips);
    static constexpr double SplitterWidth = 75;

    ChartFrame frame() const;
    const ChartLayout& layout() const { return m_layout; }
    ChartGeometry geometry() const;
    const std::vector<LegendEntry>& legendEntries() const { return m_legend; }
    // Fill colour of an item as drawn: selected, mean, palette or bar colour.
    std::uint32_t itemFillColor(int index) const;
    static std::uint32_t paletteColor(int index);

    int HitTestColumn(double x, double y) const;
    // Left-button press (or tracking move) at a point in twips: selects the item under it and
    // raises ItemClick when the selection moved to another item.
    void selectAt(double x, double y);
    // Selection by the legend entry: no ItemClick.
    void selectFromLegend(int index);
    // The selection information text for item `index` (empty when off or no item).
    QString BuildInfoText(int index);

    // True once any property was written since the last save of the design.
    bool propertiesChanged() const { return m_changed; }
    void setPropertiesChanged(bool changed) { m_changed = changed; }

    // Property writes. "Redraw" writes draw when the value changed.
    void setLegendPrintMode(std::int32_t v) { store(&ChartProperties::LegendPrintMode, v); }
    void setAutoRedraw(bool v) { redraw(&ChartProperties::AutoRedraw, v); }
    void setBarShadow(bool v) { redraw(&ChartProperties::BarShadow, v); }
    void setBarShadowColor(std::uint32_t v) { redraw(&ChartProperties::BarShadowColor, v); }
    void setDataFormat(const QString& v) { store(&ChartProperties::DataFormat, v); }
    void setPrinterOrientation(std::int32_t v) { store(&ChartProperties::PrinterOrientation, v); }
    void setLegendCaption(const QString& v);
    void setLineStyle(std::int32_t v) { redraw(&ChartProperties::LineStyle, toShort(v)); }
    void setLineWidth(std::int16_t v) { redraw(&ChartProperties::LineWidth, v); }
    void setMeanOn(bool v) { redraw(&ChartProperties::MeanOn, v); }
    void setMeanCaption(const QString& v) { redraw(&ChartProperties::MeanCaption, v); }
    void setMeanColor(std::uint32_t v) { redraw(&ChartProperties::MeanColor, v); }
    void setMinorGridOn(bool v) { redraw(&ChartProperties::MinorGridOn, v); }
    void setMajorGridOn(bool v) { redraw(&ChartProperties::MajorGridOn, v); }
    void setPicture(const QImage& v) { always(&ChartProperties::Picture, v); }
    void setBarPicture(const QImage& v) { always(&ChartProperties::BarPicture, v); }
    void setBarWidthPercentage(std::int16_t v) { redraw(&ChartProperties::BarWidthPercentage, v); }
    void setBarSymbol(const QString& v);
    void setChartType(std::int32_t v) { redraw(&ChartProperties::ChartType, v); }
    void setContentBorder(bool v) { redraw(&ChartProperties::ContentBorder, v); }
    void setMenuType(std::int32_t v) { storeIfChanged(&ChartProperties::MenuType, v); }
    void setPictureTile(bool v) { redraw(&ChartProperties::PictureTile, v); }
    void setBarPictureTile(bool v) { redraw(&ChartProperties::BarPictureTile, v); }
    void setSelectable(bool v) { redraw(&ChartProperties::Selectable, v); }
    void setHotTracking(bool v) { redraw(&ChartProperties::HotTracking, v); }
    void setChartTitle(const QString& v) { redraw(&ChartProperties::ChartTitle, v); }
    void setMenuItems(const QString& v);
    void setCustomMenuItems(const QString& v) { store(&ChartProperties::CustomMenuItems, v); }
    void setInfoItems(const QString& v) { store(&ChartProperties::InfoItems, v); }
    void setChartSubTitle(const QString& v) { redraw(&ChartProperties::ChartSubTitle, v); }
    void setIntersectMajor(float v) { redraw(&ChartProperties::IntersectMajor, v); }
    void setIntersectMinor(float v) { redraw(&ChartProperties::IntersectMinor, v); }
    void setAxisYOn(bool v) { redraw(&ChartProperties::AxisYOn, v); }
    void setAxisXOn(bool v) { redraw(&ChartProperties::AxisXOn, v); }
    void setMaxY(double v);
    void setMinY(double v);
    void setSelectionInformation(bool v) { redraw(&ChartProperties::SelectionInformation, v); }
    void setAxisLabelY(const QString& v) { redraw(&ChartProperties::AxisLabelY, v); }
    void setAxisLabelX(const QString& v) { redraw(&ChartProperties::AxisLabelX, v); }
    void setAxisLabelXColor(std::uint32_t v) { redraw(&ChartProperties::AxisLabelXColor, v); }
    void setAxisLabelYColor(std::uint32_t v) { redraw(&ChartProperties::AxisLabelYColor, v); }
    void setAxisItemsYColor(std::uint32_t v) { redraw(&ChartProperties::AxisItemsYColor, v); }
    void setAxisItemsXColor(std::uint32_t v) { redraw(&ChartProperties::AxisItemsXColor, v); }
    void setBackColor(std::uint32_t v) { redraw(&ChartProperties::BackColor, v); }
    void setForeColor(std::uint32_t v) { redraw(&ChartProperties::ForeColor, v); }
    void setMajorGridColor(std::uint32_t v) { redraw(&ChartProperties::MajorGridColor, v); }
    void setChartTitleColor(std::uint32_t v) { redraw(&ChartProperties::ChartTitleColor, v); }
    void setSaveAsCaption(const QString& v) { store(&ChartProperties::SaveAsCaption, v); }
    void setChartSubTitleColor(std::uint32_t v) { redraw(&ChartProperties::ChartSubTitleColor, v); }
    void setMinorGridColor(std::uint32_t v) { redraw(&ChartProperties::MinorGridColor, v); }
    void setBarColor(std::uint32_t v) { redraw(&ChartProperties::BarColor, v); }
    void setLegendBackColor(std::uint32_t v) { redraw(&ChartProperties::LegendBackColor, v); }
    void setLegendForeColor(std::uint32_t v) { redraw(&ChartProperties::LegendForeColor, v); }
    void setInfoBackColor(std::uint32_t v) { redraw(&ChartProperties::InfoBackColor, v); }
    void setInfoForeColor(std::uint32_t v) { redraw(&ChartProperties::InfoForeColor, v); }
    void setSelectedBarColor(std::uint32_t v) {
        storeIfChanged(&ChartProperties::SelectedBarColor, v);
    }
    void setColorBars(bool v) { redraw(&ChartProperties::ColorBars, v); }
    void setPrinterFit(std::int32_t v) { store(&ChartProperties::PrinterFit, v); }
    void setLineColor(std::uint32_t v) { redraw(&ChartProperties::LineColor, v); }
    void setBarSymbolColor(std::uint32_t v) { redraw(&ChartProperties::BarSymbolColor, v); }
    void setBarFillStyle(std::int32_t v) { redraw(&ChartProperties::BarFillStyle, toShort(v)); }
    void setAllowanceOn(bool v) { redraw(&ChartProperties::AllowanceOn, v); }
    void setAllowanceCaption(const QString& v) { redraw(&ChartProperties::AllowanceCaption, v); }
    void setAllowanceColor(std::uint32_t v) { redraw(&ChartProperties::AllowanceColor, v); }

    // The allowance line's value in Y units (none: no line, as on a plan without a limit).
    std::optional<double> AllowanceValue() const { return m_allowanceValue; }
    void setAllowanceValue(std::optional<double> value);
    // The line is drawn, and has its legend entry after the items', while on with a value.
    bool allowanceShown() const { return m_props.AllowanceOn && m_allowanceValue.has_value(); }

    // Replaces every property at once, as loading a saved design does; nothing is drawn.
    void loadProperties(const ChartProperties& properties, int selectedColumn);

Q_SIGNALS:
    // Paint now; the legend entries were rebuilt unless `fromResize`.
    void drawRequested(bool fromResize);
    void ItemClick(const ChartItemRef& item);
    // MenuItems changed: the popup captions must be applied again.
    void menuCaptionsChanged();

private:
    template <typename T> void store(T ChartProperties::*field, const T& value) {
        m_props.*field = value;
        m_changed = true;
    }
    template <typename T> void storeIfChanged(T ChartProperties::*field, const T& value) {
        if (!(m_props.*field == value)) {
            store(field, value);
        }
    }
    template <typename T> void redraw(T ChartProperties::*field, const T& value) {
        if (!(m_props.*field == value)) {
            m_props.*field = value;
            DrawChart();
            m_changed = true;
        }
    }
    template <typename T> void always(T ChartProperties::*field, const T& value) {
        m_props.*field = value;
        DrawChart();
        m_changed = true;
    }
    static std::int16_t toShort(std::int32_t value);
    static int toPixels(double twips, double twipsPerPixel);
    void ComputeValueRange();
    void ComputeMean();
    void layoutItems();
    void rebuildLegend();
    void setMargin(float& margin, int pixels, double twipsPerPixel);

    ChartProperties m_props;
    std::vector<ChartItemRef> m_items;
    double m_meanValue = 0;
    std::optional<double> m_allowanceValue;
    int m_selectedColumn = -1;
    int m_lastSelectedColumn = -1;
    bool m_clickInProgress = false;
    bool m_changed = false;
    double m_scaleWidth = 0;
    double m_scaleHeight = 0;
    double m_twipsPerPixelX = 15;
    double m_twipsPerPixelY = 15;
    float m_marginTop = 50 * 15;
    float m_marginBottom = 55 * 15;
    float m_marginLeft = 55 * 15;
    float m_marginRightSet = 55 * 15;
    bool m_legendVisible = false;
    double m_legendPaneWidth = 2130;
    ChartLayout m_layout;
    std::vector<LegendEntry> m_legend;
};
