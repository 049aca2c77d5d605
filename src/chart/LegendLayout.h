#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

// Where the legend pane puts its entries (pixels of the scrolling content): a colour swatch
// and a text per item, one under the other, and which part of the list to show.
namespace LegendLayout {

inline constexpr int SwatchLeft = 6;
inline constexpr int FirstTop = 10;
inline constexpr int EntryHeight = 13;
inline constexpr int TextLeft = 22;
inline constexpr int Spacing = 10;
inline constexpr int Pitch = EntryHeight + Spacing;
// The pane's designed width in twips and its outline colour.
inline constexpr double PaneWidthTwips = 2130;

QRect swatchRect(int index);
QRect textRect(int index, int contentWidth);
int contentHeight(int entryCount);
// Entry under a point of the content, or -1.
int entryAt(QPoint point, int entryCount, int contentWidth);

// The text shortened to fit `available` pixels after its left edge, ending in ".." when cut.
QString fitText(const QString& text, double available,
                const std::function<double(const QString&)>& width);

// How far to scroll so that entry `selected` is in view in a pane of `innerHeight` pixels.
int scrollForSelection(int selected, int innerHeight, int maximum);

} // namespace LegendLayout
