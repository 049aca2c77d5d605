#pragma once

#include <QPointF>
#include <QSizeF>

// Where a printed chart goes on the page, by PrinterFit: 0 centred, 1 and 2 top left,
// 3 against the right edge, 4 against the bottom edge, 5 bottom right; anything else top left.
namespace ChartPrintLayout {

QPointF origin(int printerFit, QSizeF page, QSizeF picture);

} // namespace ChartPrintLayout
