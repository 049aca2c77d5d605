#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void SystemDesktopShell::L2N(const std::string& address) {
    const QString text = QString::fromStdString(address);
    // A path of an existing file opens the file; anything else is taken as a web address.
    const QUrl url = QFileInfo::exists(text) ? QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath())
                                             : QUrl::fromUserInput(text);
    QDesktopServices::openUrl(url);
}
