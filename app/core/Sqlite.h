#pragma once
// Thin RAII wrappers over the SQLite C interface for the riddle store.
// Every engine failure becomes an EDatabaseError carrying the engine's own
// message.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace yq {

class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSqliteStatement {
public:
    TSqliteStatement(sqlite3* db, std::string_view sql);
    ~TSqliteStatement();
    TSqliteStatement(const TSqliteStatement&) = delete;
    TSqliteStatement& operator=(const TSqliteStatement&) = delete;

    void Bind(int index, std::string_view text);
    void Bind(int index, std::int64_t value);
    // True while a row is available; throws on an engine error.
    bool Step();
    std::int64_t ColumnInt(int column) const;
    // The column as text; NULL reads as the empty text.
    std::string_view ColumnText(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// One connection that keeps the database file to itself: other processes
// can neither read nor write it until this object is destroyed.
class TSqliteDatabase {
public:
    // `path` is UTF-8.  The file must exist; it is never created.
    static TSqliteDatabase OpenExclusive(const std::string& path);
    ~TSqliteDatabase();
    TSqliteDatabase(TSqliteDatabase&& other) noexcept;
    TSqliteDatabase& operator=(TSqliteDatabase&& other) noexcept;
    TSqliteDatabase(const TSqliteDatabase&) = delete;
    TSqliteDatabase& operator=(const TSqliteDatabase&) = delete;

    sqlite3* Handle() const { return db_; }
    void Exec(std::string_view sql);
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int Changes() const;

private:
    explicit TSqliteDatabase(sqlite3* db) : db_(db) {}
    sqlite3* db_ = nullptr;
};

// Rolls back unless Commit() was reached.
class TSqliteTransaction {
public:
    explicit TSqliteTransaction(TSqliteDatabase& db);
    ~TSqliteTransaction();
    TSqliteTransaction(const TSqliteTransaction&) = delete;
    TSqliteTransaction& operator=(const TSqliteTransaction&) = delete;
    void Commit();

private:
    TSqliteDatabase& db_;
    bool open_ = true;
};

} // namespace yq
