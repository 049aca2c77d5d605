#pragma once

#include "history/HistoryStore.h"

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One month of one user as the history lists it.
struct HistoryMonth {
    std::string month; // "2007-03"
    std::string user;
    MonthFigures figures;
    std::optional<QString> file; // the month file; none once it was deleted
    std::optional<std::string> portal;
    // The month file's modification time when the history last read it, in nanoseconds since
    // the epoch: every check that keeps the month rewrites its file, so this is when it was
    // last checked. Kept after the file is deleted.
    std::int64_t fileTimeNs = 0;
};

// The history of the stored months of one data folder, for the window and the command line:
// opened and brought up to date with the month files in one call, then listed. A damaged
// database is moved aside and rebuilt, one that cannot be written gives a history of the
// month files alone; either way one notice says so and nothing fails.
class MonthHistory {
public:
    // Reads the history of `folder`. A folder that does not exist has no months.
    static MonthHistory load(const QString& folder);

    // After a successful check or report of a month: brings that month file's entry up to date
    // (with the portal address when known). Returns the notices; never throws.
    static std::vector<std::string>
    recordMonthFile(const QString& folder, const QString& fileName,
                    const std::optional<std::string>& portal = std::nullopt);

    // Lines about what went wrong on the way (a damaged or unwritable database, a month file
    // that cannot be read), each to be shown once.
    const std::vector<std::string>& notices() const { return m_notices; }
    // Newest month first, users in order; the months of every user for an empty `user`.
    std::vector<HistoryMonth> months(const std::string& user = {}) const;
    // The users with months, in order.
    std::vector<std::string> users() const;
    // A month's days, oldest first.
    std::vector<DayFigures> days(const HistoryMonth& month) const;

private:
    MonthHistory() = default;
    // Opens the folder's database and runs `work(store, rebuilt)` on it; a damaged one is moved
    // aside first and `rebuilt` set. On any other failure of the database, runs it on one in
    // memory when asked.
    template <typename Work>
    void withStore(const QString& folder, bool fallBackToMemory, Work&& work);

    std::unique_ptr<HistoryStore> m_store;
    QString m_folder;
    std::vector<HistoryMonth> m_months;
    std::vector<std::string> m_notices;
};
