#pragma once

#include "chart/XChartModel.h"

#include <initializer_list>

// Items and a sized model for the chart tests.
namespace ChartTestItems {

inline ChartItemRef item(double value, const QString& label = QString()) {
    auto made = std::make_shared<ChartItem>();
    made->Value = value;
    made->ItemID = made->LegendDescription = made->XAxisDescription = label;
    return made;
}

// A model of `widthPixels` x `heightPixels` at 15 twips per pixel with one item per value.
inline void fill(XChartModel& model, std::initializer_list<double> values, int widthPixels = 900,
                 int heightPixels = 500) {
    model.setTwipsPerPixel(15, 15);
    model.setScale(widthPixels * 15.0, heightPixels * 15.0);
    int day = 1;
    for (const double value : values) {
        model.AddItem(item(value, QString::number(day++)));
    }
    model.DrawChart();
}

} // namespace ChartTestItems
