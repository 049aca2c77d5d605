#include "ControlRender.h"

#include <QDir>
#include <QWidget>

void saveRender(QWidget& widget, const QString& name) {
    const QString binary = qEnvironmentVariable("VELTRIX_BINARY_DIR");
    if (binary.isEmpty()) {
        return;
    }
    const QString folder = binary + "/renders/controls";
    QDir().mkpath(folder);
    widget.grab().save(folder + "/" + name + ".png");
}
