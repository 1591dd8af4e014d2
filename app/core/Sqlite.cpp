#include "Sqlite.h"

#include <sqlite3.h>

#include <utility>

namespace yq {

namespace {
[[noreturn]] void Fail(sqlite3* db) {
    throw EDatabaseError(sqlite3_errmsg(db));
}
} // namespace

TSqliteStatement::TSqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), int(sql.size()), &stmt_, nullptr) != SQLITE_OK) Fail(db);
}

TSqliteStatement::~TSqliteStatement() {
    sqlite3_finalize(stmt_);
}

void TSqliteStatement::Bind(int index, std::string_view text) {
    if (sqlite3_bind_text(stmt_, index, text.data(), int(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        Fail(db_);
}

void TSqliteStatement::Bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) Fail(db_);
}

bool TSqliteStatement::Step() {
    switch (sqlite3_step(stmt_)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        Fail(db_);
    }
}

std::int64_t TSqliteStatement::ColumnInt(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string_view TSqliteStatement::ColumnText(int column) const {
    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!text) return {};
    return {text, size_t(sqlite3_column_bytes(stmt_, column))};
}

namespace {
void Prepare(TSqliteDatabase& db) {
    // Damaged pages are reported instead of read as empty rows.
    db.Exec("PRAGMA cell_size_check=ON");
    db.Exec("PRAGMA synchronous=FULL");
    // The locks taken from here on are kept until the connection closes.  A
    // write lock keeps everyone out; a write-protected file can only be
    // held against writers.
    db.Exec("PRAGMA locking_mode=EXCLUSIVE");
    if (sqlite3_db_readonly(db.Handle(), "main") == 1)
        db.Exec("BEGIN; SELECT count(*) FROM sqlite_master; COMMIT");
    else
        db.Exec("BEGIN EXCLUSIVE; COMMIT");
}
} // namespace

TSqliteDatabase TSqliteDatabase::OpenExclusive(const std::string& path) {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    TSqliteDatabase db(raw); // closes the handle on every way out
    if (rc != SQLITE_OK) {
        if (!raw) throw EDatabaseError(sqlite3_errstr(rc));
        throw EDatabaseError(std::string(sqlite3_errmsg(raw)) + ": " + path);
    }
    try {
        Prepare(db);
    } catch (const EDatabaseError& e) {
        throw EDatabaseError(std::string(e.what()) + ": " + path);
    }
    return db;
}

TSqliteDatabase::~TSqliteDatabase() {
    sqlite3_close_v2(db_);
}

TSqliteDatabase::TSqliteDatabase(TSqliteDatabase&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

TSqliteDatabase& TSqliteDatabase::operator=(TSqliteDatabase&& other) noexcept {
    if (this != &other) {
        sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

void TSqliteDatabase::Exec(std::string_view sql) {
    std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db_);
}

int TSqliteDatabase::Changes() const {
    return sqlite3_changes(db_);
}

TSqliteTransaction::TSqliteTransaction(TSqliteDatabase& db) : db_(db) {
    db_.Exec("BEGIN IMMEDIATE");
}

TSqliteTransaction::~TSqliteTransaction() {
    if (open_) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void TSqliteTransaction::Commit() {
    db_.Exec("COMMIT");
    open_ = false;
}

} // namespace yq
