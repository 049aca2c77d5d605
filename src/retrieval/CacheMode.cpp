#include "retrieval/CacheMode.h"

#include "retrieval/CacheFileList.h"
#include "retrieval/FileDataStore.h"
#include "retrieval/MonthCache.h"

#include <QDir>

CachedMonth CacheMode::loadSelected(const QString& folder,
                                    const std::optional<QString>& selectedEntry) {
    using Kind = StoredMonthError::Kind;
    if (!selectedEntry || selectedEntry->isEmpty()) {
        throw StoredMonthError(Kind::NotChosen, NoSelectionMessage);
    }
    const QString& entry = *selectedEntry;
    // Entries name files of this folder only; a path in their place finds nothing.
    const bool plainName = !entry.contains(u'/') && !entry.contains(u'\\');
    const QString file = QDir(folder).filePath(entry + ".cache");
    std::optional<std::string> rows;
    try {
        rows = plainName ? FileDataStore::readFile(file, true) : std::nullopt;
    } catch (const Failure& unreadable) {
        throw StoredMonthError(Kind::Unreadable, unreadable.what());
    }
    if (!rows) {
        throw StoredMonthError(Kind::Missing, MissingFileMessage);
    }
    if (const auto why = MonthCache::damage(*rows, false)) {
        throw StoredMonthError(Kind::Unreadable,
                               MonthCache::damagedFileText(file, *why).toStdString());
    }
    return CachedMonth{std::move(*rows), CacheEntry::monthOf(entry), CacheEntry::userOf(entry),
                       file};
}
