#include "chart/RotatedText.h"

#include "chart/ChartSurface.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

bool basTextRot::DrawRotatedText(ChartSurface& surface, const QString& text, int x, int y,
                                 double angle) {
    const double width = text.isEmpty() ? 0 : surface.TextWidth(text) / surface.twipsPerPixelX();
    const double height =
        surface.TextHeight(text.isEmpty() ? QStringLiteral("A") : text) / surface.twipsPerPixelY();
    QPoint start(roundHalfEven(x - width / 2), roundHalfEven(y - height / 2));
    RotatePoint(QPoint(x, y), start, angle);
    return surface.textOutRotated(text, start, angle);
}

void basTextRot::RotatePoint(QPoint centre, QPoint& point, double angle) {
    const double a = angle * Pi / 180;
    const double dx = point.x() - centre.x();
    const double dy = point.y() - centre.y();
    point.setX(roundHalfEven(dy * std::sin(a) + dx * std::cos(a) + centre.x()));
    point.setY(roundHalfEven(dy * std::cos(a) - dx * std::sin(a) + centre.y()));
}
