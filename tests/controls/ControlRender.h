#pragma once

#include <QString>

class QWidget;

// Writes a widget's picture to <build>/renders/controls/<name>.png for a person to look at.
// Never fails a test: without a build folder nothing is written.
void saveRender(QWidget& widget, const QString& name);
