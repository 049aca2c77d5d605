#include "chart/ChartPrintLayout.h"

QPointF ChartPrintLayout::origin(int printerFit, QSizeF page, QSizeF picture) {
    const double right = page.width() - picture.width();
    const double bottom = page.height() - picture.height();
    switch (printerFit) {
    case 0:
        return QPointF(right / 2, bottom / 2);
    case 3:
        return QPointF(right, 0);
    case 4:
        return QPointF(0, bottom);
    case 5:
        return QPointF(right, bottom);
    default:
        return QPointF(0, 0);
    }
}

QSizeF ChartPrintLayout::printedSize(int printerFit, QSizeF page, QSizeF natural) {
    if (printerFit == 1) {
        return page;
    }
    if (natural.width() > page.width() || natural.height() > page.height()) {
        return natural.scaled(page, Qt::KeepAspectRatio);
    }
    return natural;
}
