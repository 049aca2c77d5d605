#pragma once

class QWidget;

// Window geometry is kept in twips (1/1440 inch); widgets live in pixels. 15 twips per pixel
// at 96 dots per inch.
namespace Twips {

double perPixelX(const QWidget* widget);
double perPixelY(const QWidget* widget);
int toPixelsX(const QWidget* widget, int twips);
int toPixelsY(const QWidget* widget, int twips);
int fromPixelsX(const QWidget* widget, int pixels);
int fromPixelsY(const QWidget* widget, int pixels);

} // namespace Twips
