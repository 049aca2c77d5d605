#include "history/HistoryStore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char Schema[] = R"(
CREATE TABLE IF NOT EXISTS months (
    month TEXT NOT NULL,
    user TEXT NOT NULL,
    rows INTEGER NOT NULL,
    total_kb INTEGER NOT NULL,
    charged_kb INTEGER NOT NULL,
    free_kb INTEGER NOT NULL,
    days_recorded INTEGER NOT NULL,
    last_recorded TEXT,
    portal TEXT,
    file_name TEXT,
    file_bytes INTEGER NOT NULL,
    file_modified_ns INTEGER NOT NULL,
    file_sha256 TEXT NOT NULL,
    PRIMARY KEY (month, user)
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS days (
    month TEXT NOT NULL,
    user TEXT NOT NULL,
    date TEXT NOT NULL,
    total_kb INTEGER NOT NULL,
    charged_kb INTEGER NOT NULL,
    free_kb INTEGER NOT NULL,
    PRIMARY KEY (month, user, date),
    FOREIGN KEY (month, user) REFERENCES months (month, user) ON DELETE CASCADE
) WITHOUT ROWID;
)";

constexpr char MonthColumns[] =
    "SELECT month, user, rows, total_kb, charged_kb, free_kb, days_recorded, last_recorded, "
    "portal, file_name, file_bytes, file_modified_ns, file_sha256 FROM months ";

void bindText(SqliteStatement& statement, int index, const std::optional<std::string>& text) {
    if (text) {
        statement.bind(index, *text);
    } else {
        statement.bindNull(index);
    }
}

std::optional<std::string> optionalText(const SqliteStatement& row, int column) {
    return row.isNull(column) ? std::nullopt : std::optional<std::string>(row.text(column));
}

} // namespace

const QString& HistoryStore::privateFile(const QString& path) {
    if (path != QLatin1String(":memory:")) {
        const QByteArray name = QFile::encodeName(path);
        const int file = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file >= 0) {
            ::close(file);
        }
        // a file that is not a file (a folder, a pipe) can only be put out of the way
        struct stat info {};
        if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
            throw SqliteError(SQLITE_NOTADB, "it is not a regular file");
        }
        if (info.st_uid == ::geteuid() && (info.st_mode & 0777) != 0600) {
            ::chmod(name.constData(), 0600);
        }
        // one that another user left behind can only be put out of the way too
        if (::access(name.constData(), R_OK | W_OK) != 0) {
            throw SqliteError(SQLITE_NOTADB, std::string("it cannot be read and written: ") +
                                                 std::strerror(errno));
        }
    }
    return path;
}

HistoryStore::HistoryStore(const QString& path)
    : m_database(privateFile(path)) {
    checkAndCreateSchema();
}

void HistoryStore::checkAndCreateSchema() {
    m_database.execute("PRAGMA journal_mode = WAL; PRAGMA foreign_keys = ON;");
    const std::string check = m_database.queryText("PRAGMA quick_check");
    if (check != "ok") {
        throw SqliteError(SQLITE_CORRUPT, "its check says: " + check);
    }
    const std::string version = m_database.queryText("PRAGMA user_version");
    if (version == "0") {
        SqliteDatabase::Transaction transaction(m_database);
        m_database.execute(Schema);
        m_database.execute("PRAGMA user_version = " + std::to_string(SchemaVersion));
        transaction.commit();
    } else if (version != std::to_string(SchemaVersion)) {
        throw SqliteError(SQLITE_NOTADB, "its format " + version + " is not this version's");
    }
    // tables of the same names but other columns make the file someone else's
    try {
        m_database.prepare(std::string(MonthColumns) + "LIMIT 0");
        m_database.prepare("SELECT date, total_kb, charged_kb, free_kb FROM days LIMIT 0");
    } catch (const SqliteError& error) {
        throw SqliteError(SQLITE_NOTADB,
                          std::string("its tables are not a history's: ") + error.what());
    }
}

QString HistoryStore::moveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + ".damaged-" + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = path + ".damaged-" + stamp + "-" + QString::number(n);
    }
    if (!QFile::rename(path, aside)) {
        throw Failure("cannot move it aside as " + aside.toStdString());
    }
    // The journal belongs to the damaged file: a new database must never replay it.
    QFile::rename(path + "-wal", aside + "-wal");
    QFile::remove(path + "-shm");
    return aside;
}

StoredMonth HistoryStore::monthAt(const SqliteStatement& row) const {
    StoredMonth month;
    month.month = row.text(0);
    month.user = row.text(1);
    MonthFigures& figures = month.figures;
    figures.rows = static_cast<int>(row.integer(2));
    figures.totalKB = row.integer(3);
    figures.chargedKB = row.integer(4);
    figures.freeKB = row.integer(5);
    figures.daysRecorded = static_cast<int>(row.integer(6));
    if (const auto last = optionalText(row, 7)) {
        figures.lastRecorded = CivilDateTime::parse(*last);
    }
    month.portal = optionalText(row, 8);
    month.fileName = optionalText(row, 9);
    month.stamp = {row.integer(10), row.integer(11), row.text(12)};
    return month;
}

std::optional<StoredMonth> HistoryStore::find(const std::string& month, const std::string& user) {
    SqliteStatement query =
        m_database.prepare(std::string(MonthColumns) + "WHERE month = ?1 AND user = ?2");
    query.bind(1, month).bind(2, user);
    return query.step() ? std::optional<StoredMonth>(monthAt(query)) : std::nullopt;
}

std::vector<StoredMonth> HistoryStore::months(const std::string& user) {
    SqliteStatement query = m_database.prepare(
        std::string(MonthColumns) + "WHERE ?1 = '' OR user = ?1 ORDER BY month DESC, user ASC");
    query.bind(1, user);
    std::vector<StoredMonth> months;
    while (query.step()) {
        months.push_back(monthAt(query));
    }
    return months;
}

std::vector<DayFigures> HistoryStore::days(const std::string& month, const std::string& user) {
    SqliteStatement query =
        m_database.prepare("SELECT date, total_kb, charged_kb, free_kb FROM days "
                           "WHERE month = ?1 AND user = ?2 ORDER BY date");
    query.bind(1, month).bind(2, user);
    std::vector<DayFigures> days;
    while (query.step()) {
        days.push_back({query.text(0), query.integer(1), query.integer(2), query.integer(3)});
    }
    return days;
}

void HistoryStore::save(const StoredMonth& month, const std::vector<DayFigures>& days) {
    SqliteDatabase::Transaction transaction(m_database);
    SqliteStatement upsert = m_database.prepare(
        "INSERT INTO months VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13) "
        "ON CONFLICT (month, user) DO UPDATE SET rows = ?3, total_kb = ?4, charged_kb = ?5, "
        "free_kb = ?6, days_recorded = ?7, last_recorded = ?8, portal = coalesce(?9, portal), "
        "file_name = ?10, file_bytes = ?11, file_modified_ns = ?12, file_sha256 = ?13");
    const MonthFigures& figures = month.figures;
    upsert.bind(1, month.month).bind(2, month.user).bind(3, std::int64_t{figures.rows});
    upsert.bind(4, figures.totalKB).bind(5, figures.chargedKB).bind(6, figures.freeKB);
    upsert.bind(7, std::int64_t{figures.daysRecorded});
    bindText(upsert, 8,
             figures.lastRecorded ? std::optional(figures.lastRecorded->toText()) : std::nullopt);
    bindText(upsert, 9, month.portal);
    bindText(upsert, 10, month.fileName);
    upsert.bind(11, month.stamp.bytes).bind(12, month.stamp.modifiedNs);
    upsert.bind(13, month.stamp.sha256);
    upsert.run();

    SqliteStatement clear = m_database.prepare("DELETE FROM days WHERE month = ?1 AND user = ?2");
    clear.bind(1, month.month).bind(2, month.user).run();
    SqliteStatement insert = m_database.prepare("INSERT INTO days VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    for (const DayFigures& day : days) {
        insert.bind(1, month.month).bind(2, month.user).bind(3, day.date);
        insert.bind(4, day.totalKB).bind(5, day.chargedKB).bind(6, day.freeKB);
        insert.run();
    }
    transaction.commit();
}

void HistoryStore::restamp(const StoredMonth& month) {
    SqliteDatabase::Transaction transaction(m_database);
    SqliteStatement update = m_database.prepare(
        "UPDATE months SET file_name = ?3, file_bytes = ?4, file_modified_ns = ?5, "
        "file_sha256 = ?6, portal = coalesce(?7, portal) WHERE month = ?1 AND user = ?2");
    update.bind(1, month.month).bind(2, month.user);
    bindText(update, 3, month.fileName);
    update.bind(4, month.stamp.bytes).bind(5, month.stamp.modifiedNs).bind(6, month.stamp.sha256);
    bindText(update, 7, month.portal);
    update.run();
    transaction.commit();
}

void HistoryStore::markFileGone(const std::string& month, const std::string& user) {
    SqliteDatabase::Transaction transaction(m_database);
    SqliteStatement update =
        m_database.prepare("UPDATE months SET file_name = NULL WHERE month = ?1 AND user = ?2");
    update.bind(1, month).bind(2, user).run();
    transaction.commit();
}
