#pragma once

#include <QString>
#include <memory>

// One data item of the chart. The host keeps references to the items it added, so the
// collection holds shared references rather than copies.
class ChartItem {
public:
    QString ItemID;
    QString SelectedDescription;
    QString LegendDescription;
    // May hold several lines separated by CR LF; they are drawn side by side.
    QString XAxisDescription;
    double Value = 0;
};

using ChartItemRef = std::shared_ptr<ChartItem>;
