#pragma once

#include <QString>
#include <optional>
#include <string>

class MessagePresenter;

// A month taken from its stored file instead of the portal.
struct CachedMonth {
    std::string rows; // descrambled row text (UTF-8)
    QString month;    // first 7 characters of the entry
    QString user;     // the entry after the month and "-"
    QString file;
};

// The "Use Cache Data" run: the selected list entry becomes the month's rows, or the user is
// told why not (and the caller puts the focus back on the list).
namespace CacheMode {

inline constexpr char NoSelectionMessage[] = "Select one cache file to create report";
inline constexpr char MissingFileMessage[] = "Selected cache file do not exist";

// `selectedEntry` is the list's selected text, or nothing (an empty text counts as nothing).
// An entry that is not a plain file name counts as missing. An unreadable file shows why.
std::optional<CachedMonth> loadSelected(const QString& folder,
                                        const std::optional<QString>& selectedEntry,
                                        MessagePresenter& messages);

} // namespace CacheMode
