#include "platform/registry/linux/Store.h"

#include <algorithm>
#include <cstring>

namespace platform::registry {

Store::Store(Connection db, std::string path, bool snapshot)
    : db_(std::move(db)),
      path_(std::move(path)),
      snapshot_(snapshot),
      findChild_(db_.get(), "SELECT id FROM keys WHERE parent = ? AND name = ?"),
      keyExists_(db_.get(), "SELECT 1 FROM keys WHERE id = ?"),
      insertKey_(db_.get(), "INSERT INTO keys(parent, name) VALUES(?, ?)"),
      selectValue_(db_.get(), "SELECT type, data FROM vals WHERE key = ? AND name = ?"),
      // An overwrite keeps the spelling the value was first written with.
      upsertValue_(
          db_.get(),
          "INSERT INTO vals(key, name, type, data) VALUES(?, ?, ?, ?) "
          "ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, data = excluded.data"),
      deleteValue_(db_.get(), "DELETE FROM vals WHERE key = ? AND name = ?"),
      deleteKey_(db_.get(), "DELETE FROM keys WHERE id = ? AND parent IS NOT NULL"),
      listValues_(db_.get(), "SELECT name, type, data FROM vals WHERE key = ? ORDER BY name"),
      listSubKeys_(db_.get(), "SELECT name FROM keys WHERE parent = ? ORDER BY name") {}

bool Store::Prepared() const {
    return findChild_.ok() && keyExists_.ok() && insertKey_.ok() && selectValue_.ok() &&
           upsertValue_.ok() && deleteValue_.ok() && deleteKey_.ok() && listValues_.ok() &&
           listSubKeys_.ok();
}

Status Store::Exec(const char* sql) {
    return sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK ? Status::Ok
                                                                                : Failed();
}

Status Store::Failed() {
    NoteProblem(path_ + ": " + SqliteCause(db_.get()));
    return Status::StoreUnavailable;
}

template <typename Change>
Status Store::Write(Change change) {
    if (inBatch_) {
        // A change that found nothing to change leaves the transaction as it was.
        const Status status = change();
        batchFailed_ = batchFailed_ || (status != Status::Ok && status != Status::NotFound);
        return status;
    }
    if (Exec("BEGIN IMMEDIATE") != Status::Ok) {
        return Status::StoreUnavailable;
    }
    Status status = change();
    if (status == Status::Ok) {
        status = Exec("COMMIT");
    }
    if (!sqlite3_get_autocommit(db_.get())) {
        static_cast<void>(Exec("ROLLBACK"));
    }
    return status;
}

Status Store::BeginBatch() {
    std::lock_guard lock(mutex_);
    if (inBatch_) {
        return Status::InvalidArgument;
    }
    if (Exec("BEGIN IMMEDIATE") != Status::Ok) {
        return Status::StoreUnavailable;
    }
    inBatch_ = true;
    batchFailed_ = false;
    return Status::Ok;
}

Status Store::EndBatch(bool commit) {
    std::lock_guard lock(mutex_);
    if (!inBatch_) {
        return Status::InvalidArgument;
    }
    inBatch_ = false;
    Status status = batchFailed_ ? Status::StoreUnavailable : Status::Ok;
    if (commit && status == Status::Ok) {
        status = Exec("COMMIT");
    }
    if (!sqlite3_get_autocommit(db_.get())) {
        static_cast<void>(Exec("ROLLBACK"));
    }
    return commit ? status : Status::Ok;
}

bool Store::KeyExistsLocked(std::int64_t key) {
    auto use = keyExists_.Start();
    return use.Bind(key).Step() == SQLITE_ROW;
}

Status Store::FindLocked(std::int64_t parent, std::span<const std::string_view> names,
                         std::int64_t& id) {
    if (names.empty() && !KeyExistsLocked(parent)) {
        return Status::NotFound;
    }
    for (std::string_view name : names) {
        auto use = findChild_.Start();
        const int step = use.Bind(parent).Bind(name).Step();
        if (step != SQLITE_ROW) {
            return step == SQLITE_DONE ? Status::NotFound : Failed();
        }
        parent = use.Int(0);
    }
    id = parent;
    return Status::Ok;
}

Status Store::Find(std::int64_t parent, std::span<const std::string_view> names, std::int64_t& id) {
    std::lock_guard lock(mutex_);
    return FindLocked(parent, names, id);
}

Status Store::Create(std::int64_t parent, std::span<const std::string_view> names,
                     std::int64_t& id) {
    std::lock_guard lock(mutex_);
    // Most calls find the whole path; only a missing key costs a transaction.
    if (FindLocked(parent, names, id) == Status::Ok) {
        return Status::Ok;
    }
    return Write([&] {
        if (!KeyExistsLocked(parent)) {
            return Status::NotFound;
        }
        std::int64_t current = parent;
        for (std::string_view name : names) {
            std::int64_t child = 0;
            const std::string_view one[] = {name};
            const Status found = FindLocked(current, one, child);
            if (found == Status::NotFound) {
                auto use = insertKey_.Start();
                if (use.Bind(current).Bind(name).Step() != SQLITE_DONE) {
                    return Failed();
                }
                child = sqlite3_last_insert_rowid(db_.get());
            } else if (found != Status::Ok) {
                return found;
            }
            current = child;
        }
        id = current;
        return Status::Ok;
    });
}

Status Store::Query(std::int64_t key, std::string_view name, std::span<std::byte> buffer,
                    ValueInfo& info) {
    std::lock_guard lock(mutex_);
    auto use = selectValue_.Start();
    const int step = use.Bind(key).Bind(name).Step();
    if (step != SQLITE_ROW) {
        return step == SQLITE_DONE ? Status::NotFound : Failed();
    }
    const std::span<const std::byte> data = use.Blob(1);
    info.type = static_cast<ValueType>(use.Int(0));
    info.size = static_cast<std::uint32_t>(data.size());
    if (data.size() > buffer.size()) {
        return Status::MoreData;
    }
    std::copy(data.begin(), data.end(), buffer.begin());
    return Status::Ok;
}

Status Store::Set(std::int64_t key, std::string_view name, ValueType type,
                  std::span<const std::byte> data) {
    std::lock_guard lock(mutex_);
    return Write([&] {
        // A key deleted while a handle to it was open takes no new values.
        if (!KeyExistsLocked(key)) {
            return Status::NotFound;
        }
        auto use = upsertValue_.Start();
        use.Bind(key).Bind(name).Bind(static_cast<std::int64_t>(type)).Bind(data);
        return use.Step() == SQLITE_DONE ? Status::Ok : Failed();
    });
}

Status Store::RemoveValue(std::int64_t key, std::string_view name) {
    std::lock_guard lock(mutex_);
    return Write([&] {
        auto use = deleteValue_.Start();
        if (use.Bind(key).Bind(name).Step() != SQLITE_DONE) {
            return Failed();
        }
        return sqlite3_changes(db_.get()) > 0 ? Status::Ok : Status::NotFound;
    });
}

Status Store::RemoveKey(std::int64_t key) {
    std::lock_guard lock(mutex_);
    return Write([&] {
        auto use = deleteKey_.Start();
        if (use.Bind(key).Step() != SQLITE_DONE) {
            return Failed();
        }
        return sqlite3_changes(db_.get()) > 0 ? Status::Ok : Status::NotFound;
    });
}

Status Store::Values(std::int64_t key, std::vector<NamedValue>& out) {
    std::lock_guard lock(mutex_);
    out.clear();
    if (!KeyExistsLocked(key)) {
        return Status::NotFound;
    }
    auto use = listValues_.Start();
    int step = use.Bind(key).Step();
    for (; step == SQLITE_ROW; step = use.Step()) {
        const auto data = use.Blob(2);
        out.push_back({std::string(use.Text(0)), static_cast<ValueType>(use.Int(1)),
                       std::vector<std::byte>(data.begin(), data.end())});
    }
    return step == SQLITE_DONE ? Status::Ok : Failed();
}

Status Store::SubKeys(std::int64_t key, std::vector<std::string>& out) {
    std::lock_guard lock(mutex_);
    out.clear();
    if (!KeyExistsLocked(key)) {
        return Status::NotFound;
    }
    auto use = listSubKeys_.Start();
    int step = use.Bind(key).Step();
    for (; step == SQLITE_ROW; step = use.Step()) {
        out.emplace_back(use.Text(0));
    }
    return step == SQLITE_DONE ? Status::Ok : Failed();
}

}  // namespace platform::registry
