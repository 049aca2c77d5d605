#pragma once

#include "platform/Failure.h"

#include <QString>
#include <optional>
#include <string>

// A month taken from its stored file instead of the portal.
struct CachedMonth {
    std::string rows; // descrambled row text (UTF-8)
    QString month;    // first 7 characters of the entry
    QString user;     // the entry after the month and "-"
    QString file;
};

// Why the chosen stored month cannot be had: none chosen or no such file (the user picks from
// the list again), or a file that cannot be read or holds no month (the text names it).
class StoredMonthError : public Failure {
public:
    enum class Kind { NotChosen, Missing, Unreadable };

    StoredMonthError(Kind kind, const std::string& message)
        : Failure(message)
        , m_kind(kind) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// The "Use Cache Data" run: the selected list entry becomes the month's rows, or a
// StoredMonthError says why not (and the caller puts the focus back on the list).
namespace CacheMode {

inline constexpr char NoSelectionMessage[] = "Select one cache file to create report";
inline constexpr char MissingFileMessage[] = "Selected cache file do not exist";

// `selectedEntry` is the list's selected text, or nothing (an empty text counts as nothing).
// An entry that is not a plain file name counts as missing.
CachedMonth loadSelected(const QString& folder, const std::optional<QString>& selectedEntry);

} // namespace CacheMode
