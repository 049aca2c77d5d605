#pragma once

#include <QString>

class QWidget;

// What kind of control a widget is, in the words the tab strip and the resizer use
// ("Frame", "ComboBox", ...), and the frame border switch.
namespace ControlKind {

// The widget's "TypeName" property when set; otherwise "ComboBox" for combo boxes, "Frame"
// for group boxes and the Qt class name without its "Q" for the rest.
QString typeName(const QWidget* widget);
bool isFrame(const QWidget* widget);
// BorderStyle 1 (a single line with the caption) when `border`, else 0 (nothing drawn).
void setFrameBorder(QWidget* frame, bool border);

} // namespace ControlKind
