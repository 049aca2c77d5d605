#pragma once

#include <QString>
#include <vector>

// One stored month as the list shows it: "2007-03-alice" for the file 2007-03-alice.cache.
struct CacheEntry {
    QString entry;
    QString file; // full path
    qint64 bytes = 0;

    // The first 7 characters, whatever they are ("2007-03").
    static QString monthOf(const QString& entry);
    // What follows the month and its "-" ("alice").
    static QString userOf(const QString& entry);
};

// The stored months of a folder, in the order the main window's list shows them, with the
// entry it selects. A plain model: the window's combo box only copies it.
struct CacheFileList {
    enum class Status { Listed, Missing, Unreadable };
    // What the list shows in its place while no month is stored.
    static constexpr char NoneStoredText[] =
        "No stored months yet: tick \"Retrieve only newer pages\" and check once";

    Status status = Status::Missing;
    QString error; // why the folder could not be listed
    // Sorted by their text without regard to case; names equal but for case in exact order.
    std::vector<CacheEntry> entries;
    // The last entry (with names that begin with the month, the latest month), -1 when empty.
    int selected = -1;
    // .cache files left out because their names cannot be shown and opened again as they are
    // (not UTF-8, or holding control characters), each name with such bytes as \xNN.
    std::vector<QString> skipped;
};

// Lists folder/*.cache (regular files only). A missing or unreadable folder gives an empty
// list with its status and the reason.
CacheFileList LoadCacheFileList(const QString& folder);
