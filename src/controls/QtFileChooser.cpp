#include "controls/QtFileChooser.h"

#include "controls/DialogOwner.h"

#include <QDir>
#include <QFileDialog>
#include <algorithm>

QStringList QtFileChooser::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        names.append(parts[i]);
    }
    return names;
}

FileChooser::Reply QtFileChooser::chooseSave(const Request& request) {
    QFileDialog dialog(DialogOwner::over(m_owner), request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const auto index = std::clamp<qsizetype>(request.filterIndex - 1, 0, filters.size() - 1);
        dialog.selectNameFilter(filters[index]);
    }
    dialog.setDirectory(request.initialFolder.isEmpty() ? QDir::currentPath()
                                                        : request.initialFolder);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {true, dialog.selectedFiles().front()};
}
