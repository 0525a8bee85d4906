#pragma once
// The registry the launcher and Velorin share: keys under two roots, each holding named, typed
// values. Names are case-insensitive and case-preserving; paths use '\'; the empty value name is
// the key's default value. Every handle is a Key, closed when it goes out of scope.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

enum class Root { LocalMachine, ClassesRoot };

// What a key handle may do with values: QueryValue and Read only read; Write and All may also
// write. Any handle may open or create keys below it.
enum class Access { QueryValue, Read, Write, All };

enum class [[nodiscard]] Status{
    Ok,
    NotFound,          // no such key or value
    MoreData,          // the value does not fit the caller's buffer
    AccessDenied,      // a write through a key opened for reading only
    StoreUnavailable,  // the store cannot be opened, is not a valid store, or cannot be written
    InvalidArgument,
};

// The stored type; the numbers are those of the .reg format. The launcher uses these three; a
// value of any other number (from an imported .reg file) is stored and read back with it.
enum class ValueType : std::uint32_t { String = 1, Binary = 3, Dword = 4 };

class Store;

class Key {
  public:
    Key() = default;
    Key(std::shared_ptr<Store> store, std::int64_t id, Access access);
    Key(Key&&) noexcept = default;
    Key& operator=(Key&&) noexcept = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() = default;

    bool IsOpen() const { return store_ != nullptr; }
    // Closes the handle; reports StoreUnavailable when there was nothing to close.
    Status Close();

    Store* store() const { return store_.get(); }
    const std::shared_ptr<Store>& shared_store() const { return store_; }
    std::int64_t id() const { return id_; }
    Access access() const { return access_; }

  private:
    std::shared_ptr<Store> store_;
    std::int64_t id_ = 0;
    Access access_ = Access::QueryValue;
};

struct ValueInfo {
    ValueType type = ValueType::Binary;
    std::uint32_t size = 0;  // bytes stored
};

// Opens an existing key below a root or an open key; never writes. The empty path opens the
// starting key again. Names are one key each, joined by '\'; an empty name is InvalidArgument.
Status OpenKey(Root root, std::string_view path, Access access, Key& out);
Status OpenKey(const Key& parent, std::string_view path, Access access, Key& out);

// Opens a key with full access, creating it (and the missing keys of its path) empty when absent.
Status CreateKey(Root root, std::string_view path, Key& out);
Status CreateKey(const Key& parent, std::string_view path, Key& out);

// Copies the value into buffer; info receives the stored type and byte count. A value larger
// than the buffer fails with MoreData (info still tells its size).
Status QueryValue(const Key& key, std::string_view name, std::span<std::byte> buffer,
                  ValueInfo& info);

// Writes exactly data.size() bytes in one transaction; a zero-byte String is an empty value.
Status SetValue(const Key& key, std::string_view name, ValueType type,
                std::span<const std::byte> data);

Status DeleteValue(const Key& key, std::string_view name);
// Deletes the key at path below root (or an open key) with everything under it; the starting key
// itself (an empty path) cannot be deleted.
Status DeleteKey(Root root, std::string_view path);
Status DeleteKey(const Key& parent, std::string_view path);

struct NamedValue {
    std::string name;
    ValueType type;
    std::vector<std::byte> data;
};
Status ListValues(const Key& key, std::vector<NamedValue>& out);
Status ListSubKeys(const Key& key, std::vector<std::string>& out);

// While alive, the writes this process makes (to the store of key, when given) form one
// transaction: Commit() keeps them all, or none when one of them failed; a batch dropped without
// Commit() keeps none. A write that finds nothing to change (NotFound) does not fail the batch.
// One thread at a time.
class WriteBatch {
  public:
    WriteBatch();
    explicit WriteBatch(const Key& key);
    ~WriteBatch();
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

    // StoreUnavailable when the store could not be opened for writing.
    Status status() const { return status_; }
    Status Commit();

  private:
    std::shared_ptr<Store> store_;
    Status status_ = Status::StoreUnavailable;
};

// The store file in use: VELORIN_REGISTRY, else $XDG_DATA_HOME/velorin/registry.db.
std::string StorePath();
// Why the store cannot be opened, or empty when it can; for tools that must say what is wrong.
std::string StoreProblem();
// Why this thread's last StoreUnavailable result came about (the store file, then the cause:
// busy, read-only, disk full, not a store); empty before any.
std::string LastProblem();

}  // namespace platform::registry
