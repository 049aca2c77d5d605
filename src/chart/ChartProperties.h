#pragma once

#include "platform/ColorValue.h"

#include <QImage>
#include <QString>
#include <cstdint>

namespace ChartDefaults {
inline constexpr char MenuItems[] = "&Save as...|&Print|&Copy|Selection &information|&Legend|&Hide";
inline constexpr char LegendCaption[] = "Display legend";
inline constexpr char InfoItems[] = "Value|Description|Mean";
inline constexpr std::uint32_t ForeColor = ColorValue::systemColor(ColorValue::WindowText);
inline constexpr std::uint32_t BackColor = ColorValue::systemColor(ColorValue::WindowBackground);
} // namespace ChartDefaults

// Bits of ChartType. The shape bits are tested in the order of `ShapeOrder`.
namespace ChartTypeBits {
inline constexpr int Bar = 1;
inline constexpr int Symbol = 2;
inline constexpr int Line = 4;
inline constexpr int Ellipse = 8;
inline constexpr int Triangle = 16;
inline constexpr int Diamond = 32;
inline constexpr int Trapezoid = 64;
inline constexpr int ShapeOrder[] = {Ellipse, Bar, Triangle, Trapezoid, Diamond};
inline constexpr int AnyShape = Bar | Ellipse | Triangle | Diamond | Trapezoid;
} // namespace ChartTypeBits

// The published settings of a chart with the values a freshly placed control gets. Margins
// and the selected column live in the model because writing them has side effects.
struct ChartProperties {
    std::int32_t LegendPrintMode = 1;
    bool AutoRedraw = true;
    bool BarShadow = true;
    std::uint32_t BarShadowColor = 0;
    QString DataFormat;
    std::int32_t PrinterOrientation = 2;
    QString LegendCaption = ChartDefaults::LegendCaption;
    std::int16_t LineStyle = 0;
    std::int16_t LineWidth = 1;
    bool MeanOn = false;
    QString MeanCaption;
    std::uint32_t MeanColor = 0;
    bool MinorGridOn = true;
    bool MajorGridOn = true;
    QImage Picture;
    QImage BarPicture;
    std::int16_t BarWidthPercentage = 100;
    QString BarSymbol = QStringLiteral("*");
    std::int32_t ChartType = ChartTypeBits::Bar;
    bool ContentBorder = true;
    std::int32_t MenuType = 0;
    bool PictureTile = false;
    bool BarPictureTile = false;
    bool Selectable = false;
    bool HotTracking = false;
    QString ChartTitle = QStringLiteral("XChart");
    QString MenuItems = ChartDefaults::MenuItems;
    QString CustomMenuItems;
    QString InfoItems;
    QString ChartSubTitle;
    float IntersectMajor = 10;
    float IntersectMinor = 2;
    bool AxisYOn = true;
    bool AxisXOn = true;
    double MaxY = 100;
    double MinY = 0;
    bool SelectionInformation = false;
    QString AxisLabelY;
    QString AxisLabelX;
    std::uint32_t AxisLabelXColor = ChartDefaults::ForeColor;
    std::uint32_t AxisLabelYColor = ChartDefaults::ForeColor;
    std::uint32_t AxisItemsYColor = ChartDefaults::ForeColor;
    std::uint32_t AxisItemsXColor = ChartDefaults::ForeColor;
    std::uint32_t BackColor = ChartDefaults::BackColor;
    std::uint32_t ForeColor = ChartDefaults::ForeColor;
    std::uint32_t MajorGridColor = 0xFFFFFF;
    std::uint32_t ChartTitleColor = ChartDefaults::ForeColor;
    QString SaveAsCaption;
    std::uint32_t ChartSubTitleColor = ChartDefaults::ForeColor;
    std::uint32_t MinorGridColor = 0;
    std::uint32_t BarColor = 0x00FF00;
    std::uint32_t LegendBackColor = ChartDefaults::BackColor;
    std::uint32_t LegendForeColor = ChartDefaults::ForeColor;
    std::uint32_t InfoBackColor = ColorValue::systemColor(ColorValue::ToolTipBackground);
    std::uint32_t InfoForeColor = ColorValue::systemColor(ColorValue::ToolTipText);
    std::uint32_t SelectedBarColor = 0x00FFFF;
    bool ColorBars = false;
    std::int32_t PrinterFit = 0;
    std::uint32_t LineColor = 0x00FF00;
    std::uint32_t BarSymbolColor = 0x00FF00;
    std::int16_t BarFillStyle = 6;
    // A level line across the plot (the daily allowance), drawn while on and given a value;
    // off by default, so a chart without it stays as it was.
    bool AllowanceOn = false;
    QString AllowanceCaption = QStringLiteral("Daily allowance");
    std::uint32_t AllowanceColor = ColorValue::rgb(220, 0, 0);
};
