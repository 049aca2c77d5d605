#pragma once

#include "history/MonthFigures.h"
#include "history/SqliteDatabase.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the history knows of the month file it read last.
struct FileStamp {
    std::int64_t bytes = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since the epoch
    std::string sha256;          // of the file's text, in hexadecimal

    bool sameSizeAndTime(const FileStamp& other) const {
        return bytes == other.bytes && modifiedNs == other.modifiedNs;
    }
};

// One month of one user as the history holds it.
struct StoredMonth {
    std::string month; // "2007-03"
    std::string user;
    MonthFigures figures;
    std::optional<std::string> portal;   // the portal address the month came from, when known
    std::optional<std::string> fileName; // "2007-03-alice.cache"; none once it was deleted
    FileStamp stamp;
};

// history.sqlite: the months of the data folder's month files, kept after a file is deleted.
// WAL mode and a busy timeout let the window, a scheduled check and `veltrix history` use it
// at once; every change is one immediate transaction.
class HistoryStore {
public:
    static constexpr char FileName[] = "history.sqlite";
    static constexpr int SchemaVersion = 1;

    // Opens (or makes, private to the user) the database at `path`, ":memory:" for one that
    // lives as long as this object. Throws SqliteError; meansDamage() when the file is not a
    // whole database of ours.
    explicit HistoryStore(const QString& path);

    // Moves a damaged database and its journal aside as <path>.damaged-<time>; returns the
    // new name, or throws Failure when it cannot be moved.
    static QString moveAside(const QString& path);

    std::optional<StoredMonth> find(const std::string& month, const std::string& user);
    // Newest month first, users in order; all users for an empty `user`.
    std::vector<StoredMonth> months(const std::string& user = {});
    std::vector<DayFigures> days(const std::string& month, const std::string& user);

    // Writes the month and its days over what was held; a portal address not given keeps the
    // one held.
    void save(const StoredMonth& month, const std::vector<DayFigures>& days);
    // The file read again holds what was read before: only its size, time and name change.
    void restamp(const StoredMonth& month);
    void markFileGone(const std::string& month, const std::string& user);

private:
    // Makes a missing database file private to the user before SQLite creates it.
    static const QString& privateFile(const QString& path);
    void checkAndCreateSchema();
    StoredMonth monthAt(const SqliteStatement& row) const;

    SqliteDatabase m_database;
};
