#include "history/MonthFileSync.h"

#include "history/HistoryMonthModel.h"
#include "platform/Failure.h"
#include "retrieval/CacheFileList.h"
#include "retrieval/FileDataStore.h"
#include "retrieval/MonthCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <set>
#include <sys/stat.h>

namespace {

std::optional<FileStamp> stampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return FileStamp{static_cast<std::int64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                         info.st_mtim.tv_nsec,
                     {}};
}

bool isMonth(const std::string& text) {
    const auto digits = [&text](std::size_t from, std::size_t count) {
        return text.find_first_not_of("0123456789", from) >= from + count;
    };
    return text.size() == 7 && text[4] == '-' && digits(0, 4) && digits(5, 2) &&
           text.substr(5) >= "01" && text.substr(5) <= "12";
}

} // namespace

MonthFileSync::MonthFileSync(HistoryStore& store, QString folder)
    : m_store(store)
    , m_folder(std::move(folder)) {}

std::optional<std::pair<std::string, std::string>>
MonthFileSync::monthAndUser(const QString& name) {
    if (!name.endsWith(QLatin1String(".cache"))) {
        return std::nullopt;
    }
    const QString entry = name.chopped(6);
    const std::string month = CacheEntry::monthOf(entry).toStdString();
    const std::string user = CacheEntry::userOf(entry).toStdString();
    if (!isMonth(month) || entry.mid(7, 1) != QLatin1String("-") || user.empty()) {
        return std::nullopt;
    }
    return std::pair(month, user);
}

std::optional<std::string> MonthFileSync::update(const QString& fileName,
                                                 const std::optional<std::string>& portal) {
    const auto key = monthAndUser(fileName);
    if (!key) {
        return std::nullopt;
    }
    const QString path = QDir(m_folder).filePath(fileName);
    // The stamp is taken before the file is read: a change while it is read shows next time.
    const std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp) {
        return std::nullopt;
    }
    const std::optional<StoredMonth> held = m_store.find(key->first, key->second);
    StoredMonth month = held.value_or(StoredMonth{key->first, key->second, {}, {}, {}, {}});
    const bool sameFile = held && held->fileName == fileName.toStdString();
    if (sameFile && held->stamp.sameSizeAndTime(*stamp)) {
        if (portal && portal != held->portal) {
            month.portal = portal;
            m_store.restamp(month);
        }
        return std::nullopt;
    }
    std::optional<std::string> text;
    try {
        text = FileDataStore::readFile(path, true);
    } catch (const Failure& unreadable) {
        return unreadable.what();
    }
    if (!text) { // gone since the folder was listed
        return std::nullopt;
    }
    if (const auto why = MonthCache::damage(*text, false)) {
        return MonthCache::damagedFileText(path, *why).toStdString();
    }
    month.fileName = fileName.toStdString();
    month.portal = portal;
    month.stamp = *stamp;
    month.stamp.sha256 =
        QCryptographicHash::hash(QByteArray::fromStdString(*text), QCryptographicHash::Sha256)
            .toHex()
            .toStdString();
    if (held && held->stamp.sha256 == month.stamp.sha256) {
        m_store.restamp(month);
        return std::nullopt;
    }
    try {
        MonthReading reading = HistoryMonthModel::read(std::move(*text), month.month);
        month.figures = reading.figures;
        m_store.save(month, reading.days);
    } catch (const SqliteError&) {
        throw;
    } catch (const Failure& failure) {
        return "The stored month " + QDir::toNativeSeparators(path).toStdString() +
               " is left out of the history: " + failure.what();
    }
    return std::nullopt;
}

std::vector<std::string> MonthFileSync::updateAll() {
    std::vector<std::string> notices;
    const CacheFileList list = LoadCacheFileList(m_folder);
    if (list.status != CacheFileList::Status::Listed) {
        notices.push_back("cannot list the month files: " + list.error.toStdString());
        return notices;
    }
    std::set<std::string> present;
    for (const CacheEntry& entry : list.entries) {
        const QString name = entry.entry + ".cache";
        present.insert(name.toStdString());
        if (auto notice = update(name)) {
            notices.push_back(std::move(*notice));
        }
    }
    for (const StoredMonth& month : m_store.months()) {
        if (month.fileName && !present.contains(*month.fileName)) {
            m_store.markFileGone(month.month, month.user);
        }
    }
    return notices;
}
