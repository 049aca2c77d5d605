#include "retrieval/CacheMode.h"

#include "platform/MessagePresenter.h"
#include "retrieval/CacheFileList.h"
#include "retrieval/FileDataStore.h"
#include "retrieval/MonthCache.h"

#include <QDir>

std::optional<CachedMonth> CacheMode::loadSelected(const QString& folder,
                                                   const std::optional<QString>& selectedEntry,
                                                   MessagePresenter& messages) {
    const QString title = FileDataStore::ApplicationTitle;
    if (!selectedEntry || selectedEntry->isEmpty()) {
        messages.show(NoSelectionMessage, title, MessageIcon::Information);
        return std::nullopt;
    }
    const QString& entry = *selectedEntry;
    // Entries name files of this folder only; a path in their place finds nothing.
    const bool plainName = !entry.contains(u'/') && !entry.contains(u'\\');
    const QString file = QDir(folder).filePath(entry + ".cache");
    FileDataStore::ReadResult read{FileDataStore::ReadStatus::Missing, {}, {}};
    if (plainName) {
        read = FileDataStore::readFile(file, true);
    }
    if (read.status == FileDataStore::ReadStatus::Unreadable) {
        messages.show(read.error, title, MessageIcon::Critical);
        return std::nullopt;
    }
    if (read.status != FileDataStore::ReadStatus::Read) {
        messages.show(MissingFileMessage, title, MessageIcon::Information);
        return std::nullopt;
    }
    if (const auto why = MonthCache::damage(read.text, false)) {
        messages.show(MonthCache::damagedFileText(file, *why), title, MessageIcon::Critical);
        return std::nullopt;
    }
    return CachedMonth{std::move(read.text), CacheEntry::monthOf(entry), CacheEntry::userOf(entry),
                       file};
}
