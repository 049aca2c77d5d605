#include "retrieval/CacheFileList.h"

#include <QFile>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr qsizetype kExtensionLength = 6; // ".cache"

bool listsBefore(const CacheEntry& a, const CacheEntry& b) {
    const int folded = a.entry.compare(b.entry, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.entry < b.entry;
}

// A name that decodes and encodes back to the same bytes and holds no control character can
// be listed on one line and opened again from what the list shows.
bool listable(const std::string& bytes, const QString& name) {
    return QFile::encodeName(name).toStdString() == bytes &&
           std::none_of(bytes.begin(), bytes.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

QString escapedName(const std::string& bytes) {
    QString out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x20 || byte >= 0x7f ? QStringLiteral("\\x%1").arg(byte, 2, 16, QChar('0'))
                                           : QString(QChar(byte));
    }
    return out;
}

// The .cache files of the folder; error set when the folder cannot be read to the end.
std::vector<CacheEntry> listFolder(const fs::path& folder, std::error_code& error,
                                   std::vector<QString>& skipped) {
    std::vector<CacheEntry> entries;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string bytes = it->path().filename().string();
        const QString name = QFile::decodeName(bytes.c_str());
        std::error_code ignored;
        if (!bytes.ends_with(".cache") || bytes.size() <= kExtensionLength ||
            !it->is_regular_file(ignored)) {
            continue;
        }
        if (!listable(bytes, name)) {
            skipped.push_back(escapedName(bytes));
            continue;
        }
        const auto size = it->file_size(ignored);
        entries.push_back({name.chopped(kExtensionLength), QFile::decodeName(it->path().c_str()),
                           ignored ? 0 : static_cast<qint64>(size)});
    }
    return entries;
}

} // namespace

QString CacheEntry::monthOf(const QString& entry) {
    return entry.left(7);
}

QString CacheEntry::userOf(const QString& entry) {
    const QString rest = entry.mid(7);
    return rest.startsWith(u'-') ? rest.mid(1) : rest;
}

CacheFileList LoadCacheFileList(const QString& folder) {
    CacheFileList list;
    const fs::path path(QFile::encodeName(folder).toStdString());
    std::error_code error;
    if (folder.isEmpty() || !fs::exists(path, error)) {
        list.status = CacheFileList::Status::Missing;
        list.error = QStringLiteral("%1: no such folder").arg(folder);
        return list;
    }
    std::vector<CacheEntry> entries = listFolder(path, error, list.skipped);
    if (error) {
        list.status = CacheFileList::Status::Unreadable;
        list.error = QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(error.message()));
        return list;
    }
    std::sort(entries.begin(), entries.end(), listsBefore);
    list.status = CacheFileList::Status::Listed;
    list.entries = std::move(entries);
    list.selected = static_cast<int>(list.entries.size()) - 1;
    return list;
}
