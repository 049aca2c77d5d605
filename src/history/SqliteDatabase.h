#pragma once

#include "platform/Failure.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A failure of the database with SQLite's own result code, so that a caller can tell a
// damaged file from one that is busy, read-only or on a full disk.
class SqliteError : public Failure {
public:
    SqliteError(int code, const std::string& message);
    int code() const { return m_code; } // the primary result code (SQLITE_CORRUPT, ...)
    // The file is not a whole database (or not one this program can use): nothing but moving
    // it aside helps.
    bool meansDamage() const;

private:
    int m_code;
};

// One prepared statement; values are bound by position (1 first) and read by column (0 first).
class SqliteStatement {
public:
    SqliteStatement(sqlite3* database, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, std::string_view text);
    SqliteStatement& bindNull(int index);

    // Runs to the next row: true while there is one.
    bool step();
    // Runs a statement that returns no row.
    void run();
    void reset();

    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    std::string text(int column) const;

private:
    sqlite3* m_database;
    sqlite3_stmt* m_statement = nullptr;
};

// One connection to a database file, made with the file's own permissions (SQLite gives its
// journal files the same ones). Every failure throws SqliteError.
class SqliteDatabase {
public:
    static constexpr int BusyTimeoutMs = 10000;

    // Opens the file for reading and writing, creating it (empty) when it is missing, with a
    // busy timeout so that other connections' writes are waited for.
    explicit SqliteDatabase(const QString& path);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Runs statements that return nothing.
    void execute(std::string_view sql);
    // The first column of the first row of a query, as text.
    std::string queryText(std::string_view sql);
    SqliteStatement prepare(std::string_view sql) { return SqliteStatement(m_database, sql); }

    // A write transaction taken at once (BEGIN IMMEDIATE), so that two writers queue on the
    // busy timeout instead of one failing half-way; rolled back unless committed.
    class Transaction {
    public:
        explicit Transaction(SqliteDatabase& database);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        SqliteDatabase& m_database;
        bool m_open = true;
    };

private:
    sqlite3* m_database = nullptr;
};
