#pragma once

#include "history/HistoryStore.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

// Keeps the history's months in step with the month files of one folder: a file that is new
// or changed since it was read (its size or time differ, and then its content) is read again,
// and a month whose file is gone keeps its figures, marked as having no file.
class MonthFileSync {
public:
    MonthFileSync(HistoryStore& store, QString folder);

    // Brings the month of one file (a name in the folder, "2007-03-alice.cache") up to date,
    // recording the portal address when it is given. Returns a notice when the file cannot be
    // read as a month (its held figures stay as they were).
    std::optional<std::string> update(const QString& fileName,
                                      const std::optional<std::string>& portal = std::nullopt);
    // Every month file of the folder; then the months whose file is gone. Returns the notices.
    std::vector<std::string> updateAll();

    // "2007-03" and "alice" from "2007-03-alice.cache", or nothing for a name that is not a
    // month file's.
    static std::optional<std::pair<std::string, std::string>> monthAndUser(const QString& name);

private:
    HistoryStore& m_store;
    QString m_folder;
};
