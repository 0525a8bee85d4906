#include "platform/registry/Registry.h"

#include "platform/registry/linux/CurrentStore.h"

namespace platform::registry {
namespace {

// A path has at most this many levels; deeper ones are refused rather than walked.
constexpr std::size_t kMaxDepth = 512;

// Splits "A\B\C" into its key names; false for an empty name ("A\\B", a leading or trailing '\').
// The empty path names the starting key itself.
bool SplitPath(std::string_view path, std::vector<std::string_view>& names) {
    names.clear();
    if (path.empty()) {
        return true;
    }
    while (true) {
        const std::size_t slash = path.find('\\');
        const std::string_view name = path.substr(0, slash);
        if (name.empty() || names.size() == kMaxDepth) {
            return false;
        }
        names.push_back(name);
        if (slash == std::string_view::npos) {
            return true;
        }
        path.remove_prefix(slash + 1);
    }
}

std::int64_t RootId(Root root) {
    return root == Root::LocalMachine ? kLocalMachineId : kClassesRootId;
}

bool MayWrite(Access access) {
    return access == Access::Write || access == Access::All;
}

using Lookup = Status (Store::*)(std::int64_t, std::span<const std::string_view>, std::int64_t&);

Status Reach(const std::shared_ptr<Store>& store, std::int64_t start, std::string_view path,
             Lookup lookup, Access access, Key& out) {
    out = Key();
    std::vector<std::string_view> names;
    if (!SplitPath(path, names)) {
        return Status::InvalidArgument;
    }
    if (!store) {
        return Status::StoreUnavailable;
    }
    std::int64_t id = 0;
    const Status status = (store.get()->*lookup)(start, names, id);
    if (status == Status::Ok) {
        out = Key(store, id, access);
    }
    return status;
}

std::shared_ptr<Store> StoreOf(const Key& key) {
    return key.shared_store();
}

}  // namespace

Status OpenKey(Root root, std::string_view path, Access access, Key& out) {
    return Reach(CurrentStore(), RootId(root), path, &Store::Find, access, out);
}

Status OpenKey(const Key& parent, std::string_view path, Access access, Key& out) {
    if (!parent.IsOpen()) {
        out = Key();
        return Status::InvalidArgument;
    }
    return Reach(StoreOf(parent), parent.id(), path, &Store::Find, access, out);
}

Status CreateKey(Root root, std::string_view path, Key& out) {
    return Reach(CurrentStore(), RootId(root), path, &Store::Create, Access::All, out);
}

Status CreateKey(const Key& parent, std::string_view path, Key& out) {
    if (!parent.IsOpen()) {
        out = Key();
        return Status::InvalidArgument;
    }
    return Reach(StoreOf(parent), parent.id(), path, &Store::Create, Access::All, out);
}

Status QueryValue(const Key& key, std::string_view name, std::span<std::byte> buffer,
                  ValueInfo& info) {
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    return key.store()->Query(key.id(), name, buffer, info);
}

Status SetValue(const Key& key, std::string_view name, ValueType type,
                std::span<const std::byte> data) {
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    if (!MayWrite(key.access())) {
        return Status::AccessDenied;
    }
    return key.store()->Set(key.id(), name, type, data);
}

Status DeleteValue(const Key& key, std::string_view name) {
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    if (!MayWrite(key.access())) {
        return Status::AccessDenied;
    }
    return key.store()->RemoveValue(key.id(), name);
}

namespace {

Status RemoveReached(Status opened, const Key& key) {
    return opened == Status::Ok ? key.store()->RemoveKey(key.id()) : opened;
}

}  // namespace

Status DeleteKey(Root root, std::string_view path) {
    // A root itself cannot be deleted.
    if (path.empty()) {
        return Status::InvalidArgument;
    }
    Key key;
    return RemoveReached(OpenKey(root, path, Access::All, key), key);
}

Status DeleteKey(const Key& parent, std::string_view path) {
    if (path.empty()) {
        return Status::InvalidArgument;
    }
    Key key;
    return RemoveReached(OpenKey(parent, path, Access::All, key), key);
}

Status ListValues(const Key& key, std::vector<NamedValue>& out) {
    out.clear();
    return key.IsOpen() ? key.store()->Values(key.id(), out) : Status::InvalidArgument;
}

Status ListSubKeys(const Key& key, std::vector<std::string>& out) {
    out.clear();
    return key.IsOpen() ? key.store()->SubKeys(key.id(), out) : Status::InvalidArgument;
}

WriteBatch::WriteBatch() : WriteBatch(Key(CurrentStore(), kLocalMachineId, Access::All)) {}

WriteBatch::WriteBatch(const Key& key) : store_(key.shared_store()) {
    if (store_) {
        status_ = store_->BeginBatch();
    }
}

WriteBatch::~WriteBatch() {
    if (status_ == Status::Ok) {
        static_cast<void>(store_->EndBatch(false));
    }
}

Status WriteBatch::Commit() {
    if (status_ != Status::Ok) {
        return status_;
    }
    status_ = Status::InvalidArgument;  // spent: the destructor has nothing left to roll back
    return store_->EndBatch(true);
}

}  // namespace platform::registry
