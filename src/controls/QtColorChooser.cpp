#include "controls/QtColorChooser.h"

#include "controls/DialogOwner.h"
#include "platform/ColorValue.h"

#include <QColorDialog>

ColorChooser::Reply QtColorChooser::choose(Request& request) {
    // QColorDialog keeps its custom colours for the whole application: they are set on every
    // call, so each dialog starts from the caller's.
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i) {
        QColorDialog::setCustomColor(i, ColorValue::toQColor(request.customColors[i]));
    }
    QColorDialog dialog(DialogOwner::over(m_owner));
    dialog.setObjectName("ColorDialog");
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor((request.flags & 1u) ? ColorValue::toQColor(request.color)
                                                : QColor(Qt::black));
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i) {
        request.customColors[i] = ColorValue::fromQColor(QColorDialog::customColor(i));
    }
    if (!chosen) {
        return {};
    }
    return {1, ColorValue::fromQColor(dialog.selectedColor()), 0};
}
