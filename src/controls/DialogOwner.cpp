#include "controls/DialogOwner.h"

#include <QApplication>

QWidget* DialogOwner::over(QWidget* owner) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : owner;
}
