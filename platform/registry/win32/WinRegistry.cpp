#include <windows.h>

#include <algorithm>
#include <memory>
#include <type_traits>

#include "platform/registry/Registry.h"
#include "platform/registry/win32/Roots.h"
#include "platform/registry/win32/Store.h"
#include "platform/registry/win32/SystemCalls.h"
#include "platform/registry/win32/UndoJournal.h"
#include "platform/registry/win32/Values.h"

namespace platform::registry {
namespace {

// Keys are created one name at a time, so a batch learns each key it made and an empty name
// ("A\\B", a leading or trailing '\') is refused as on every backend.
bool ValidPath(std::string_view path) {
    return path.empty() || (path.front() != '\\' && path.back() != '\\' &&
                            path.find("\\\\") == std::string_view::npos);
}

REGSAM Rights(Access access) {
    switch (access) {
        case Access::QueryValue:
            return KEY_QUERY_VALUE;
        case Access::Read:
            return KEY_READ;
        case Access::Write:
            return KEY_READ | KEY_WRITE;
        case Access::All:
            return KEY_ALL_ACCESS;
    }
    return KEY_READ;
}

std::string Join(std::string_view base, std::string_view path) {
    if (base.empty() || path.empty()) {
        return std::string(base).append(path);
    }
    return std::string(base).append("\\").append(path);
}

using KeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&::RegCloseKey)>;

// Where a key is reached from: the open key the path starts at, and (for the key handles made)
// the root and path that key was itself reached by.
struct Start {
    HKEY handle;
    HKEY root;
    std::string path;
};

Start FromRoot(HKEY root) {
    return {root, root, ""};
}

Start Below(const Key& parent) {
    return {parent.store()->handle(), parent.store()->root(), parent.store()->path()};
}

Status Open(const Start& start, std::string_view path, Access access, Key& out) {
    HKEY handle = nullptr;
    const LSTATUS code = OpenSubKey(start.handle, std::string(path), Rights(access), handle);
    if (code == ERROR_SUCCESS) {
        out = Key(std::make_shared<Store>(handle, start.root, Join(start.path, path)), 0, access);
    }
    return StatusOf(code);
}

// Each name is created below the key of the one before it, so that only the key asked for gets
// full access (the keys on the way get the right to create below them) and a batch learns each
// key it made.
Status Create(const Start& start, std::string_view path, Key& out) {
    if (path.empty()) {
        return Open(start, path, Access::All, out);
    }
    KeyHandle current(nullptr, &::RegCloseKey);
    std::string reached = start.path;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = path.find('\\', begin);
        const bool last = end == std::string_view::npos;
        const std::string name(path.substr(begin, last ? path.npos : end - begin));
        reached = Join(reached, name);
        HKEY next = nullptr;
        DWORD disposition = 0;
        const LSTATUS code =
            CreateSubKey(current ? current.get() : start.handle, name,
                         last ? KEY_ALL_ACCESS : KEY_CREATE_SUB_KEY, next, &disposition);
        if (code != ERROR_SUCCESS) {
            NoteFailedWrite();
            return StatusOf(code);
        }
        if (disposition == REG_CREATED_NEW_KEY) {
            NoteCreatedKey(start.root, reached);
        }
        if (last) {
            out = Key(std::make_shared<Store>(next, start.root, reached), 0, Access::All);
            return Status::Ok;
        }
        current.reset(next);
        begin = end + 1;
    }
}

// The root, or the stand-in for it, that a path starts from.
Status Reach(Root root, std::string_view path, HKEY& start, Key& out) {
    out = Key();
    if (!ValidPath(path)) {
        return Status::InvalidArgument;
    }
    start = RootKey(root);
    return start != nullptr ? Status::Ok : Status::StoreUnavailable;
}

Status ReachBelow(const Key& parent, std::string_view path, Key& out) {
    const bool valid = parent.IsOpen() && ValidPath(path);
    out = Key();
    return valid ? Status::Ok : Status::InvalidArgument;
}

// Deletes the key at path below start with everything under it; a root itself (the empty path)
// cannot be deleted.
Status DeleteTree(HKEY start, const std::string& path) {
    if (path.empty()) {
        return Status::InvalidArgument;
    }
    const LSTATUS code =
        DeleteKeyTree(start, path, [&](HKEY key) { return NoteDeletedTree(start, path, key); });
    if (code == ERROR_CANCELLED) {
        NoteFailedWrite();
        return Status::StoreUnavailable;
    }
    return StatusOf(code);
}

}  // namespace

Status OpenKey(Root root, std::string_view path, Access access, Key& out) {
    HKEY start = nullptr;
    const Status status = Reach(root, path, start, out);
    return status == Status::Ok ? Open(FromRoot(start), path, access, out) : status;
}

Status OpenKey(const Key& parent, std::string_view path, Access access, Key& out) {
    const Status status = ReachBelow(parent, path, out);
    return status == Status::Ok ? Open(Below(parent), path, access, out) : status;
}

Status CreateKey(Root root, std::string_view path, Key& out) {
    HKEY start = nullptr;
    const Status status = Reach(root, path, start, out);
    return status == Status::Ok ? Create(FromRoot(start), path, out) : status;
}

Status CreateKey(const Key& parent, std::string_view path, Key& out) {
    const Status status = ReachBelow(parent, path, out);
    return status == Status::Ok ? Create(Below(parent), path, out) : status;
}

Status QueryValue(const Key& key, std::string_view name, std::span<std::byte> buffer,
                  ValueInfo& info) {
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    DWORD type = 0;
    std::vector<std::byte> data;
    const LSTATUS code = ReadValue(key.store()->handle(), name, type, data);
    if (code != ERROR_SUCCESS) {
        return StatusOf(code);
    }
    info = {static_cast<ValueType>(type), static_cast<std::uint32_t>(data.size())};
    if (data.size() > buffer.size()) {
        return Status::MoreData;  // the buffer is left alone
    }
    std::copy(data.begin(), data.end(), buffer.begin());
    return Status::Ok;
}

Status SetValue(const Key& key, std::string_view name, ValueType type,
                std::span<const std::byte> data) {
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    NoteValueBefore(key.shared_store(), name);
    const LSTATUS code = WriteValue(key.store()->handle(), name, static_cast<DWORD>(type), data);
    if (code != ERROR_SUCCESS && code != ERROR_KEY_DELETED) {
        NoteFailedWrite();  // finding nothing to change does not fail a batch
    }
    return StatusOf(code);
}

Status DeleteValue(const Key& key, std::string_view name) {
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    NoteValueBefore(key.shared_store(), name);
    return StatusOf(::RegDeleteValueW(key.store()->handle(), Wide(name).c_str()));
}

Status DeleteKey(Root root, std::string_view path) {
    Key key;
    HKEY start = nullptr;
    const Status status = Reach(root, path, start, key);
    return status == Status::Ok ? DeleteTree(start, std::string(path)) : status;
}

Status DeleteKey(const Key& parent, std::string_view path) {
    Key key;
    const Status status = ReachBelow(parent, path, key);
    if (status != Status::Ok) {
        return status;
    }
    return DeleteTree(parent.store()->root(), Join(parent.store()->path(), path));
}

}  // namespace platform::registry
