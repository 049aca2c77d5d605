#pragma once

#include <QPoint>
#include <QString>

class ChartSurface;

// Text turned about its own centre, in the surface's current font and fore colour: the item
// labels under the X axis and the Y axis caption reading upwards.
namespace basTextRot {

// Draws `text` so that its centre lies on (x, y) (pixels) and its baseline runs `angle`
// degrees counter-clockwise. True when the text was output.
bool DrawRotatedText(ChartSurface& surface, const QString& text, int x, int y, double angle);

// Turns `point` about `centre` by `angle` degrees counter-clockwise on a screen whose Y grows
// downwards; the result is rounded to whole pixels.
void RotatePoint(QPoint centre, QPoint& point, double angle);

} // namespace basTextRot
