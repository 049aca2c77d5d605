#include "history/MonthHistory.h"

#include "history/MonthFileSync.h"

#include <QDir>
#include <QFileInfo>
#include <set>

template <typename Work>
void MonthHistory::withStore(const QString& folder, bool fallBackToMemory, Work&& work) {
    const QString path = QDir(folder).filePath(HistoryStore::FileName);
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    bool rebuilt = false;
    for (;;) {
        try {
            m_store = std::make_unique<HistoryStore>(path);
            work(*m_store, rebuilt);
            return;
        } catch (const SqliteError& error) {
            m_store.reset();
            if (!error.meansDamage() || rebuilt) {
                m_notices.push_back("cannot update the history " + shown + ": " + error.what());
                break;
            }
            try {
                const QString aside = HistoryStore::moveAside(path);
                m_notices.push_back("the history " + shown + " is damaged or unreadable (" +
                                    error.what() + "); it is moved aside as " +
                                    QDir::toNativeSeparators(aside).toStdString() +
                                    " and rebuilt from the month files");
                rebuilt = true;
            } catch (const Failure& failure) {
                m_notices.push_back("the history " + shown + " is damaged or unreadable (" +
                                    error.what() + ") and " + failure.what());
                break;
            }
        }
    }
    if (fallBackToMemory) {
        m_notices.back() += "; the months shown come from the month files alone";
        m_store = std::make_unique<HistoryStore>(QStringLiteral(":memory:"));
        work(*m_store, true);
    }
}

MonthHistory MonthHistory::load(const QString& folder) {
    MonthHistory history;
    history.m_folder = folder;
    if (!QFileInfo(folder).isDir()) {
        return history;
    }
    history.withStore(folder, true, [&history, &folder](HistoryStore& store, bool) {
        for (std::string& notice : MonthFileSync(store, folder).updateAll()) {
            history.m_notices.push_back(std::move(notice));
        }
        history.m_months.clear();
        for (StoredMonth& stored : store.months()) {
            std::optional<QString> file;
            if (stored.fileName) {
                file = QDir(folder).filePath(QString::fromStdString(*stored.fileName));
            }
            history.m_months.push_back({std::move(stored.month), std::move(stored.user),
                                        stored.figures, std::move(file), std::move(stored.portal),
                                        stored.stamp.modifiedNs});
        }
    });
    return history;
}

std::vector<std::string> MonthHistory::recordMonthFile(const QString& folder,
                                                       const QString& fileName,
                                                       const std::optional<std::string>& portal) {
    MonthHistory history;
    try {
        history.withStore(folder, false, [&](HistoryStore& store, bool rebuilt) {
            MonthFileSync sync(store, folder);
            if (rebuilt) {
                history.m_notices = sync.updateAll();
            }
            if (auto notice = sync.update(fileName, portal)) {
                history.m_notices.push_back(std::move(*notice));
            }
        });
    } catch (const std::exception& error) {
        // the history is a by-product of the check: it never fails one
        history.m_notices.push_back(std::string("cannot update the history: ") + error.what());
    }
    return history.m_notices;
}

std::vector<HistoryMonth> MonthHistory::months(const std::string& user) const {
    std::vector<HistoryMonth> months;
    for (const HistoryMonth& month : m_months) {
        if (user.empty() || month.user == user) {
            months.push_back(month);
        }
    }
    return months;
}

std::vector<std::string> MonthHistory::users() const {
    std::set<std::string> users;
    for (const HistoryMonth& month : m_months) {
        users.insert(month.user);
    }
    return {users.begin(), users.end()};
}

std::vector<DayFigures> MonthHistory::days(const HistoryMonth& month) const {
    return m_store ? m_store->days(month.month, month.user) : std::vector<DayFigures>();
}
