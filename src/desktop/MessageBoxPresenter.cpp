#include "desktop/MessageBoxPresenter.h"

#include "controls/DialogOwner.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessageBoxPresenter::show(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, DialogOwner::over(m_parent));
    box.setObjectName("MessageBox");
    box.exec();
}

bool MessageBoxPresenter::askYesNo(const QString& text, const QString& title, bool defaultYes) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    DialogOwner::over(m_parent));
    box.setObjectName("MessageBox");
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
