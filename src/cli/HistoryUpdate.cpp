#include "cli/HistoryUpdate.h"

#include "history/MonthHistory.h"

#include <QFileInfo>
#include <ostream>

void HistoryUpdate::afterMonth(const QString& monthFile, const std::optional<std::string>& portal,
                               std::ostream& err) {
    const QFileInfo file(monthFile);
    for (const std::string& notice :
         MonthHistory::recordMonthFile(file.absolutePath(), file.fileName(), portal)) {
        err << "veltrix: warning: " << notice << '\n';
    }
    err << std::flush;
}
