// Thin RAII helpers over the SQLite C interface: a connection and a cached prepared statement
// that resets itself after each use.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace zw::platform {

class SqliteStatement {
public:
    SqliteStatement() = default;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement() { sqlite3_finalize(stmt_); }

    int prepare(sqlite3* db, std::string_view sql) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        return sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                  &stmt_, nullptr);
    }
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// One use of a prepared statement: binds, steps and resets (and clears bindings) when it ends.
class StatementUse {
public:
    explicit StatementUse(const SqliteStatement& s) : stmt_(s.get()) {}
    ~StatementUse() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

    StatementUse& bind(int index, std::int64_t v) {
        sqlite3_bind_int64(stmt_, index, v);
        return *this;
    }
    StatementUse& bind(int index, std::string_view text) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
        return *this;
    }
    // The text is bound without a copy; a temporary would be gone before the statement runs.
    StatementUse& bind(int index, std::string&& text) = delete;
    StatementUse& bindBlob(int index, const void* data, std::size_t size) {
        // A zero-length blob still binds as a blob (not NULL) so the column stays NOT NULL.
        static const char kEmpty = 0;
        sqlite3_bind_blob(stmt_, index, size ? data : &kEmpty, static_cast<int>(size), SQLITE_STATIC);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return sqlite3_step(stmt_); }

    std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string_view text(int column) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                 : std::string_view();
    }
    const std::uint8_t* blob(int column, std::size_t& size) const {
        const void* p = sqlite3_column_blob(stmt_, column);
        size = static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
        return static_cast<const std::uint8_t*>(p);
    }

private:
    sqlite3_stmt* stmt_;
};

}  // namespace zw::platform
