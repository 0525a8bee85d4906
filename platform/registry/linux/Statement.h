#pragma once
// RAII wrappers for SQLite handles, and a prepared statement that resets itself after each use so
// that a cached statement never holds a read transaction open between calls.
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace platform::registry {

struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

class Statement {
  public:
    Statement() = default;
    // Compiles sql once for the life of the connection; ok() is false when that failed.
    Statement(sqlite3* db, std::string_view sql);

    bool ok() const { return stmt_ != nullptr; }

    // One use of the statement: bind, step, read columns; the destructor resets it.
    class Use {
      public:
        explicit Use(sqlite3_stmt* stmt) : stmt_(stmt) {}
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

        Use& Bind(std::int64_t value);
        Use& Bind(std::string_view text);
        Use& Bind(std::span<const std::byte> blob);
        // SQLITE_ROW, SQLITE_DONE or an error code.
        int Step();
        std::int64_t Int(int column) const;
        std::string_view Text(int column) const;
        std::span<const std::byte> Blob(int column) const;

      private:
        sqlite3_stmt* stmt_;
        int next_ = 1;
    };
    Use Start() { return Use(stmt_.get()); }

  private:
    std::unique_ptr<sqlite3_stmt, StatementFinalizer> stmt_;
};

}  // namespace platform::registry
