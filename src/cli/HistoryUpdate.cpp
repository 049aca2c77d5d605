#include "cli/HistoryUpdate.h"

#include "cli/CliError.h"
#include "history/MonthHistory.h"
#include "retrieval/CacheFolder.h"

#include <QFileInfo>
#include <ostream>

MonthHistory HistoryUpdate::readFolder(const std::string& dataDir, QString& folder,
                                       std::ostream& err) {
    const QString explicitFolder = QString::fromStdString(dataDir);
    folder = CacheFolder().resolve(explicitFolder);
    if (!explicitFolder.isEmpty() && !QFileInfo(folder).isDir()) {
        throw CliError("no such folder: " + folder.toStdString());
    }
    MonthHistory history = MonthHistory::load(folder);
    for (const std::string& notice : history.notices()) {
        err << "veltrix: warning: " << notice << '\n';
    }
    return history;
}

void HistoryUpdate::afterMonth(const QString& monthFile, const std::optional<std::string>& portal,
                               std::ostream& err) {
    const QFileInfo file(monthFile);
    for (const std::string& notice :
         MonthHistory::recordMonthFile(file.absolutePath(), file.fileName(), portal)) {
        err << "veltrix: warning: " << notice << '\n';
    }
    err << std::flush;
}
