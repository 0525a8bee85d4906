#include "platform/registry/linux/Statement.h"

namespace platform::registry {

Statement::Statement(sqlite3* db, std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &stmt, nullptr) == SQLITE_OK) {
        stmt_.reset(stmt);
    }
}

Statement::Use::~Use() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

Statement::Use& Statement::Use::Bind(std::int64_t value) {
    sqlite3_bind_int64(stmt_, next_++, value);
    return *this;
}

Statement::Use& Statement::Use::Bind(std::string_view text) {
    sqlite3_bind_text(stmt_, next_++, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement::Use& Statement::Use::Bind(std::span<const std::byte> blob) {
    // A zero-length blob bound from a null pointer would be NULL, not an empty value.
    if (blob.empty()) {
        sqlite3_bind_zeroblob(stmt_, next_++, 0);
    } else {
        sqlite3_bind_blob(stmt_, next_++, blob.data(), static_cast<int>(blob.size()),
                          SQLITE_TRANSIENT);
    }
    return *this;
}

int Statement::Use::Step() {
    return sqlite3_step(stmt_);
}

std::int64_t Statement::Use::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string_view Statement::Use::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string_view(text, sqlite3_column_bytes(stmt_, column)) : std::string_view();
}

std::span<const std::byte> Statement::Use::Blob(int column) const {
    const auto* data = static_cast<const std::byte*>(sqlite3_column_blob(stmt_, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
    return data ? std::span<const std::byte>(data, size) : std::span<const std::byte>();
}

}  // namespace platform::registry
