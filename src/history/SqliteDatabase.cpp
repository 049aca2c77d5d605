#include "history/SqliteDatabase.h"

#include <QFile>
#include <sqlite3.h>

namespace {

[[noreturn]] void fail(sqlite3* database, int code) {
    const char* detail = database ? sqlite3_errmsg(database) : sqlite3_errstr(code);
    throw SqliteError(code, detail ? detail : sqlite3_errstr(code));
}

void check(sqlite3* database, int code) {
    if (code != SQLITE_OK) {
        fail(database, code);
    }
}

} // namespace

SqliteError::SqliteError(int code, const std::string& message)
    : Failure(message)
    , m_code(code & 0xff) {}

bool SqliteError::meansDamage() const {
    return m_code == SQLITE_CORRUPT || m_code == SQLITE_NOTADB;
}

SqliteStatement::SqliteStatement(sqlite3* database, std::string_view sql)
    : m_database(database) {
    check(m_database, sqlite3_prepare_v2(m_database, sql.data(), static_cast<int>(sql.size()),
                                         &m_statement, nullptr));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    check(m_database, sqlite3_bind_int64(m_statement, index, value));
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view text) {
    check(m_database, sqlite3_bind_text64(m_statement, index, text.data(), text.size(),
                                          SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index) {
    check(m_database, sqlite3_bind_null(m_statement, index));
    return *this;
}

bool SqliteStatement::step() {
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code != SQLITE_DONE) {
        sqlite3_reset(m_statement);
        fail(m_database, code);
    }
    return false;
}

void SqliteStatement::run() {
    while (step()) {
    }
    reset();
}

void SqliteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? std::string(text,
                              static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                : std::string();
}

SqliteDatabase::SqliteDatabase(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int code = sqlite3_open_v2(name.constData(), &m_database,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        const std::string detail = m_database ? sqlite3_errmsg(m_database) : sqlite3_errstr(code);
        sqlite3_close(m_database);
        throw SqliteError(code, detail);
    }
    sqlite3_extended_result_codes(m_database, 0);
    sqlite3_busy_timeout(m_database, BusyTimeoutMs);
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(m_database);
}

void SqliteDatabase::execute(std::string_view sql) {
    const std::string statements(sql);
    check(m_database, sqlite3_exec(m_database, statements.c_str(), nullptr, nullptr, nullptr));
}

std::string SqliteDatabase::queryText(std::string_view sql) {
    SqliteStatement statement = prepare(sql);
    return statement.step() ? statement.text(0) : std::string();
}

SqliteDatabase::Transaction::Transaction(SqliteDatabase& database)
    : m_database(database) {
    m_database.execute("BEGIN IMMEDIATE");
}

SqliteDatabase::Transaction::~Transaction() {
    if (m_open) {
        sqlite3_exec(m_database.m_database, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void SqliteDatabase::Transaction::commit() {
    m_database.execute("COMMIT");
    m_open = false;
}
