#pragma once

#include <QPointF>
#include <QSizeF>

// Where a printed chart goes on the page, by PrinterFit: 0 centred, 1 and 2 top left,
// 3 against the right edge, 4 against the bottom edge, 5 bottom right; anything else top left.
namespace ChartPrintLayout {

QPointF origin(int printerFit, QSizeF page, QSizeF picture);

// The printed size of a picture whose size on screen is `natural` (in printer pixels): fit 1
// stretches it over the whole page, the others keep it unless it would run off the page, in
// which case it shrinks to fit with its proportions kept.
QSizeF printedSize(int printerFit, QSizeF page, QSizeF natural);

} // namespace ChartPrintLayout
