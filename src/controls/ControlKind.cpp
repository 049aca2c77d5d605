#include "controls/ControlKind.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>

QString ControlKind::typeName(const QWidget* widget) {
    const QVariant declared = widget->property("TypeName");
    if (declared.isValid()) {
        return declared.toString();
    }
    if (qobject_cast<const QComboBox*>(widget)) {
        return QStringLiteral("ComboBox");
    }
    if (qobject_cast<const QGroupBox*>(widget)) {
        return QStringLiteral("Frame");
    }
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (name.startsWith('Q')) {
        name.remove(0, 1);
    }
    return name;
}

bool ControlKind::isFrame(const QWidget* widget) {
    return typeName(widget) == QLatin1String("Frame");
}

void ControlKind::setFrameBorder(QWidget* frame, bool border) {
    if (auto* box = qobject_cast<QGroupBox*>(frame)) {
        // A frame without a border shows neither line nor caption, like a bare page.
        box->setFlat(!border);
        box->setStyleSheet(border ? QString()
                                  : QStringLiteral("QGroupBox{border:0;margin:0;padding:0;}"
                                                   "QGroupBox::title{color:transparent;}"));
    } else if (auto* plain = qobject_cast<QFrame*>(frame)) {
        plain->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
    }
}
