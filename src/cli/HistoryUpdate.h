#pragma once

#include <QString>
#include <iosfwd>
#include <optional>
#include <string>

// After a successful check or report of a stored month: its entry in the history is brought
// up to date. What goes wrong is a warning line on `err`, never a failed command.
namespace HistoryUpdate {

void afterMonth(const QString& monthFile, const std::optional<std::string>& portal,
                std::ostream& err);

} // namespace HistoryUpdate
