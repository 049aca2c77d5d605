#include "chart/ChartPersistence.h"

#include "chart/XChartModel.h"
#include "platform/PropertyBag.h"

#include <functional>
#include <variant>

namespace {

// Everything a design stores, gathered so that the key table can reach it uniformly.
struct Design {
    ChartProperties props;
    XChartModel::MarginsTwips margins{};
    int selectedColumn = -1;
};

struct KeepCurrent {};
struct NoDefault {};
using ReadDefault = std::variant<QVariant, KeepCurrent, NoDefault>;

struct Key {
    const char* name;
    std::function<QVariant(const Design&)> get;
    std::function<void(Design&, const QVariant&)> set;
    ReadDefault fallback;
    bool onlyWhenSet = false;
};

template <typename T> T as(const QVariant& value) {
    return value.value<T>();
}

template <typename T> Key prop(const char* name, T ChartProperties::*member, ReadDefault def) {
    return Key{name, [member](const Design& d) { return QVariant::fromValue(d.props.*member); },
               [member](Design& d, const QVariant& v) { d.props.*member = as<T>(v); }, def};
}

Key margin(const char* name, float XChartModel::MarginsTwips::*member) {
    return Key{name, [member](const Design& d) { return QVariant(d.margins.*member); },
               [member](Design& d, const QVariant& v) { d.margins.*member = v.toFloat(); },
               QVariant(55.0f)};
}

Key picture(const char* name, QImage ChartProperties::*member) {
    Key key = prop(name, member, NoDefault{});
    key.onlyWhenSet = true;
    return key;
}

QVariant colour(std::uint32_t value) {
    return QVariant::fromValue(value);
}

const std::vector<Key>& keyTable() {
    using P = ChartProperties;
    using M = XChartModel::MarginsTwips;
    static const std::vector<Key> table = {
        margin("uTopMargin", &M::top),
        margin("uBottomMargin", &M::bottom),
        margin("uLeftMargin", &M::left),
        margin("uRightMargin", &M::right),
        prop("uContentBorder", &P::ContentBorder, QVariant(true)),
        prop("uSelectable", &P::Selectable, QVariant(false)),
        prop("uHotTracking", &P::HotTracking, QVariant(false)),
        Key{"uSelectedColumn", [](const Design& d) { return QVariant(d.selectedColumn); },
            [](Design& d, const QVariant& v) { d.selectedColumn = v.toInt(); }, QVariant(-1)},
        prop("uChartTitle", &P::ChartTitle, QVariant(QStringLiteral("XChart"))),
        prop("uChartSubTitle", &P::ChartSubTitle, KeepCurrent{}),
        prop("uAxisXOn", &P::AxisXOn, KeepCurrent{}),
        prop("uAxisYOn", &P::AxisYOn, KeepCurrent{}),
        prop("uColorBars", &P::ColorBars, QVariant(false)),
        prop("uIntersectMajor", &P::IntersectMajor, QVariant(10.0f)),
        prop("uIntersectMinor", &P::IntersectMinor, QVariant(2.0f)),
        prop("uMaxYValue", &P::MaxY, QVariant(100.0)),
        prop("uDisplayDescript", &P::SelectionInformation, QVariant(false)),
        prop("uXAxisLabel", &P::AxisLabelX, KeepCurrent{}),
        // Written with this spelling by every saved design; keys match without case.
        prop("uYAxislabel", &P::AxisLabelY, KeepCurrent{}),
        prop("BackColor", &P::BackColor, colour(0xFFFFFF)),
        prop("ForeColor", &P::ForeColor, colour(0)),
        prop("MinY", &P::MinY, NoDefault{}),
        prop("BarColor", &P::BarColor, colour(0xFF0000)),
        prop("SelectedBarColor", &P::SelectedBarColor, colour(0xFFFF00)),
        prop("MajorGridColor", &P::MajorGridColor, colour(0)),
        prop("MinorGridColor", &P::MinorGridColor, colour(0)),
        prop("LegendBackColor", &P::LegendBackColor, colour(0xFFFFFF)),
        prop("LegendForeColor", &P::LegendForeColor, colour(0)),
        prop("InfoBackColor", &P::InfoBackColor, NoDefault{}),
        prop("InfoForeColor", &P::InfoForeColor, NoDefault{}),
        prop("XAxisLabelColor", &P::AxisLabelXColor, colour(0)),
        prop("YAxisLabelColor", &P::AxisLabelYColor, colour(0)),
        prop("XAxisItemsColor", &P::AxisItemsXColor, colour(0)),
        prop("YAxisItemsColor", &P::AxisItemsYColor, colour(0)),
        prop("ChartTitleColor", &P::ChartTitleColor, colour(0)),
        prop("ChartSubTitleColor", &P::ChartSubTitleColor, colour(0)),
        prop("ChartType", &P::ChartType, NoDefault{}),
        prop("MenuType", &P::MenuType, NoDefault{}),
        prop("MenuItems", &P::MenuItems, NoDefault{}),
        prop("CustomMenuItems", &P::CustomMenuItems, NoDefault{}),
        prop("InfoItems", &P::InfoItems, NoDefault{}),
        prop("SaveAsCaption", &P::SaveAsCaption, NoDefault{}),
        prop("AutoRedraw", &P::AutoRedraw, QVariant(true)),
        prop("BarWidthPercentage", &P::BarWidthPercentage, QVariant(100)),
        prop("BarSymbol", &P::BarSymbol, QVariant(QStringLiteral("*"))),
        picture("BarPicture", &P::BarPicture),
        prop("BarPictureTile", &P::BarPictureTile, QVariant(false)),
        picture("Picture", &P::Picture),
        prop("PictureTile", &P::PictureTile, QVariant(false)),
        prop("MinorGridOn", &P::MinorGridOn, QVariant(true)),
        prop("MajorGridOn", &P::MajorGridOn, QVariant(true)),
        prop("LineWidth", &P::LineWidth, QVariant(1)),
        prop("LineColor", &P::LineColor, colour(0x0000FF)),
        prop("BarSymbolColor", &P::BarSymbolColor, colour(0x0000FF)),
        prop("BarFillStyle", &P::BarFillStyle, QVariant(0)),
        prop("LineStyle", &P::LineStyle, NoDefault{}),
        prop("BarShadow", &P::BarShadow, QVariant(true)),
        prop("BarShadowColor", &P::BarShadowColor, colour(0)),
        prop("MeanOn", &P::MeanOn, QVariant(false)),
        prop("MeanColor", &P::MeanColor, colour(0xFFFF00)),
        prop("MeanCaption", &P::MeanCaption, NoDefault{}),
        prop("DataFormat", &P::DataFormat, NoDefault{}),
        prop("PrinterFit", &P::PrinterFit, NoDefault{}),
        prop("PrinterOrientation", &P::PrinterOrientation, NoDefault{}),
        prop("LegendCaption", &P::LegendCaption, NoDefault{}),
        prop("LegendPrintMode", &P::LegendPrintMode, QVariant(1)),
    };
    return table;
}

Design designOf(const XChartModel& chart) {
    return Design{chart.properties(), chart.marginsTwips(), chart.SelectedColumn()};
}

} // namespace

void ChartPersistence::WriteProperties(const XChartModel& chart, PropertyBag& bag) {
    const Design design = designOf(chart);
    for (const Key& key : keyTable()) {
        const QVariant value = key.get(design);
        if (key.onlyWhenSet && value.value<QImage>().isNull()) {
            continue;
        }
        bag.write(QString::fromLatin1(key.name), value);
    }
}

void ChartPersistence::ReadProperties(XChartModel& chart, const PropertyBag& bag) {
    Design design = designOf(chart);
    for (const Key& key : keyTable()) {
        const QString name = QString::fromLatin1(key.name);
        if (bag.contains(name)) {
            key.set(design, bag.read(name));
        } else if (const auto* fixed = std::get_if<QVariant>(&key.fallback)) {
            key.set(design, *fixed);
        } else if (std::holds_alternative<NoDefault>(key.fallback)) {
            key.set(design, QVariant());
        }
    }
    // Texts that must never be empty fall back to what the control would show anyway.
    if (design.props.LegendCaption.isEmpty()) {
        design.props.LegendCaption = ChartDefaults::LegendCaption;
    }
    design.props.BarSymbol = design.props.BarSymbol.left(1);
    if (design.props.BarSymbol.isEmpty()) {
        design.props.BarSymbol = QStringLiteral("*");
    }
    chart.loadProperties(design.props, design.selectedColumn);
    chart.setMarginsTwips(design.margins);
}
