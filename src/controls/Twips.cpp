#include "controls/Twips.h"

#include <QWidget>
#include <cmath>

namespace {

double perPixel(int dotsPerInch) {
    return dotsPerInch > 0 ? 1440.0 / dotsPerInch : 15.0;
}

} // namespace

double Twips::perPixelX(const QWidget* widget) {
    return perPixel(widget->logicalDpiX());
}

double Twips::perPixelY(const QWidget* widget) {
    return perPixel(widget->logicalDpiY());
}

int Twips::toPixelsX(const QWidget* widget, int twips) {
    return static_cast<int>(std::lround(twips / perPixelX(widget)));
}

int Twips::toPixelsY(const QWidget* widget, int twips) {
    return static_cast<int>(std::lround(twips / perPixelY(widget)));
}

int Twips::fromPixelsX(const QWidget* widget, int pixels) {
    return static_cast<int>(std::lround(pixels * perPixelX(widget)));
}

int Twips::fromPixelsY(const QWidget* widget, int pixels) {
    return static_cast<int>(std::lround(pixels * perPixelY(widget)));
}
