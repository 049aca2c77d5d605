#pragma once

#include "history/MonthHistory.h"

#include <QString>
#include <iosfwd>
#include <optional>
#include <string>

// The history as the commands meet it: read for the data folder they were given, and after a
// successful check or report of a stored month, that month's entry brought up to date.
namespace HistoryUpdate {

// The history of the data folder a command was given (the usual one for an empty text),
// brought up to date with its month files; `folder` is set to the folder read. Its notices
// are warning lines on `err`. Throws CliError for a folder given that does not exist.
MonthHistory readFolder(const std::string& dataDir, QString& folder, std::ostream& err);

// What goes wrong is a warning line on `err`, never a failed command.
void afterMonth(const QString& monthFile, const std::optional<std::string>& portal,
                std::ostream& err);

} // namespace HistoryUpdate
