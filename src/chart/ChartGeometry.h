#pragma once

#include <QLineF>
#include <QRectF>
#include <optional>
#include <vector>

// The control's size and margins, all in twips. `marginRight` is the working right margin,
// widened while the legend pane is shown.
struct ChartFrame {
    double scaleWidth = 0;
    double scaleHeight = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    double marginTop = 0;
    double marginBottom = 0;
    double marginLeft = 0;
    double marginRight = 0;
    bool legendShown = false;
    double legendPaneWidth = 0;
    double splitterWidth = 0;
};

// Top and bottom Y of an item's drawn shape (top <= bottom).
struct ItemBound {
    double top = 0;
    double bottom = 0;
};

// What one drawing works out before it paints; hit testing reads it afterwards.
struct ChartLayout {
    // 1 all negative, 2 all non-negative, 0 mixed.
    int RangeMode = 2;
    double RangeUnits = 1;
    double UnitWidth = 0;
    double UnitHeight = 0;
    std::vector<ItemBound> ItemBounds;
};

struct GridLine {
    long long value = 0;
    double y = 0;
    bool major = false;
    bool labelled = false;
};

struct ValueRange {
    int mode = 2;
    double units = 1;
};

// Where things go on the chart, from the frame, the value range and the layout of the last
// drawing. Pure arithmetic in twips; nothing here paints.
class ChartGeometry {
public:
    ChartGeometry(const ChartFrame& frame, const ChartLayout& layout, double minY, double maxY);

    static ValueRange computeValueRange(double minY, double maxY);

    double plotLeft() const { return m_frame.marginLeft; }
    double plotTop() const { return m_frame.marginTop; }
    double plotRight() const { return m_frame.scaleWidth - m_frame.marginRight; }
    double plotBottom() const { return m_frame.scaleHeight - m_frame.marginBottom; }
    double unitHeight() const;
    double unitWidth(int itemCount) const;
    // X of the title's centre: the middle of the part left of the divider.
    double titleCentreX() const;

    // The item's slot and, within it, its shape at `barWidthPercentage` of the slot.
    QRectF slotRect(int index) const;
    QRectF shapeRect(int index, double barWidthPercentage) const;
    ItemBound itemExtent(double value) const;
    // Y of the grid line for a value.
    double valueY(double value) const;
    // A level across the plot where the grid lines run (the allowance line); none for a value
    // outside the range, which would cross the titles or the axis labels.
    std::optional<QLineF> levelLine(double value) const;

    // Grid lines between the rounded ends of the value range. Majors sit on multiples of
    // `major`, minors on steps of `minor` counted down from the top. Where the steps would
    // crowd (labels closer than `labelPitch`, minor lines closer than `minorPitch`) they are
    // widened to a multiple, and a major label that would touch an end label loses its text.
    std::vector<GridLine> gridLines(double major, double minor, bool minorOn, double labelPitch,
                                    double minorPitch) const;

    // Index of the item whose slot and stored vertical extent hold the point, or -1.
    int hitTest(double x, double y, int itemCount) const;

private:
    ChartFrame m_frame;
    const ChartLayout& m_layout;
    double m_minY;
    double m_maxY;
};
