#pragma once

#include <QColor>
#include <QFont>

// The saved report's looks, shared by its pages: the report's heading blue, the grey of its
// rules and grid lines, and its typeface.
namespace ReportPdfStyle {

inline const QColor HeadingBlue(51, 51, 255);
inline const QColor RuleGrey(150, 150, 150);

inline QFont font(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace ReportPdfStyle
