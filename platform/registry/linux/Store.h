#pragma once
// One open store file: the keys and values of both roots in an SQLite database. Every write is
// one immediate transaction; reads never write. Safe to share between threads.
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"
#include "platform/registry/linux/Statement.h"

namespace platform::registry {

// Key ids of the two roots; every other key hangs below one of them.
constexpr std::int64_t kLocalMachineId = 1;
constexpr std::int64_t kClassesRootId = 2;

// Why a statement on db failed, in words a user can act on (busy, read-only, disk full, ...).
std::string SqliteCause(sqlite3* db);
// Records problem as this thread's LastProblem().
void NoteProblem(std::string problem);

class Store {
  public:
    // Opens the store file at path, creating it when it does not exist. On failure returns null
    // and says why in problem; a file that is there but is not a store is left untouched.
    static std::shared_ptr<Store> Open(const std::string& path, std::string& problem);

    Store(Connection db, std::string path, bool snapshot = false);
    // False when the file lacks the tables the statements need.
    bool Prepared() const;
    // True for a store this process may only read, opened as a file that does not change: it is
    // opened again for each use, so that it never answers from an outdated copy.
    bool Snapshot() const { return snapshot_; }
    // The connection, for tables of the store's own upkeep beside keys and values; only while
    // opening the store, before any other thread has it.
    sqlite3* Database() const { return db_.get(); }

    // Looks up names one below the other, from parent; never writes.
    Status Find(std::int64_t parent, std::span<const std::string_view> names, std::int64_t& id);
    // Like Find, but creates the missing keys of the path in one transaction.
    Status Create(std::int64_t parent, std::span<const std::string_view> names, std::int64_t& id);

    Status Query(std::int64_t key, std::string_view name, std::span<std::byte> buffer,
                 ValueInfo& info);
    Status Set(std::int64_t key, std::string_view name, ValueType type,
               std::span<const std::byte> data);
    Status RemoveValue(std::int64_t key, std::string_view name);
    Status RemoveKey(std::int64_t key);
    Status Values(std::int64_t key, std::vector<NamedValue>& out);

    // Between these, the writes join one transaction instead of committing one by one; it is
    // committed only when asked to and when every write of it succeeded.
    Status BeginBatch();
    Status EndBatch(bool commit);
    Status SubKeys(std::int64_t key, std::vector<std::string>& out);

  private:
    Status FindLocked(std::int64_t parent, std::span<const std::string_view> names,
                      std::int64_t& id);
    bool KeyExistsLocked(std::int64_t key);
    // Runs change inside BEGIN IMMEDIATE ... COMMIT; rolls back unless change returns Ok.
    template <typename Change>
    Status Write(Change change);
    Status Exec(const char* sql);
    // Notes why the last statement failed (see LastProblem) and returns StoreUnavailable.
    Status Failed();

    std::mutex mutex_;
    Connection db_;
    std::string path_;
    bool snapshot_ = false;
    bool inBatch_ = false;
    bool batchFailed_ = false;
    Statement findChild_;
    Statement keyExists_;
    Statement insertKey_;
    Statement selectValue_;
    Statement upsertValue_;
    Statement deleteValue_;
    Statement deleteKey_;
    Statement listValues_;
    Statement listSubKeys_;
};

}  // namespace platform::registry
