#include <windows.h>

#include <algorithm>

#include "platform/registry/Registry.h"
#include "platform/registry/win32/Roots.h"
#include "platform/registry/win32/Store.h"
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

std::string Join(const std::string& base, std::string_view path) {
    if (base.empty() || path.empty()) {
        return base + std::string(path);
    }
    return base + '\\' + std::string(path);
}

Status Open(HKEY root, const std::string& path, Access access, Key& out) {
    HKEY handle = nullptr;
    const LSTATUS code = ::RegOpenKeyExA(root, path.c_str(), 0, Rights(access), &handle);
    if (code == ERROR_SUCCESS) {
        out = Key(std::make_shared<Store>(handle, root, path), 0, access);
    }
    return StatusOf(code);
}

Status Create(HKEY root, const std::string& path, Key& out) {
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = path.find('\\', end + 1);
        const std::string reached = path.substr(0, end);
        HKEY handle = nullptr;
        DWORD disposition = 0;
        const LSTATUS code =
            ::RegCreateKeyExA(root, reached.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &handle, &disposition);
        if (code != ERROR_SUCCESS) {
            NoteFailedWrite();
            return StatusOf(code);
        }
        if (disposition == REG_CREATED_NEW_KEY) {
            NoteCreatedKey(root, reached);
        }
        if (end == std::string::npos) {
            out = Key(std::make_shared<Store>(handle, root, path), 0, Access::All);
        } else {
            ::RegCloseKey(handle);
        }
    }
    return Status::Ok;
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
    Key key;
    const Status status = Open(start, path, Access::All, key);
    if (status != Status::Ok) {
        return status;
    }
    const bool noted = NoteDeletedTree(start, path, key.store()->handle());
    static_cast<void>(key.Close());
    if (!noted) {
        NoteFailedWrite();
        return Status::StoreUnavailable;
    }
    LSTATUS code = ::RegDeleteTreeA(start, path.c_str());
    if (code == ERROR_SUCCESS) {
        // Whether the tree's own key went with its contents differs between versions.
        code = ::RegDeleteKeyA(start, path.c_str());
    }
    return code == ERROR_FILE_NOT_FOUND ? Status::Ok : StatusOf(code);
}

}  // namespace

Status OpenKey(Root root, std::string_view path, Access access, Key& out) {
    HKEY start = nullptr;
    const Status status = Reach(root, path, start, out);
    return status == Status::Ok ? Open(start, std::string(path), access, out) : status;
}

Status OpenKey(const Key& parent, std::string_view path, Access access, Key& out) {
    const Status status = ReachBelow(parent, path, out);
    if (status != Status::Ok) {
        return status;
    }
    return Open(parent.store()->root(), Join(parent.store()->path(), path), access, out);
}

Status CreateKey(Root root, std::string_view path, Key& out) {
    HKEY start = nullptr;
    const Status status = Reach(root, path, start, out);
    if (status != Status::Ok) {
        return status;
    }
    return path.empty() ? Open(start, "", Access::All, out) : Create(start, std::string(path), out);
}

Status CreateKey(const Key& parent, std::string_view path, Key& out) {
    const Status status = ReachBelow(parent, path, out);
    if (status != Status::Ok) {
        return status;
    }
    const std::string full = Join(parent.store()->path(), path);
    return full.empty() ? Open(parent.store()->root(), full, Access::All, out)
                        : Create(parent.store()->root(), full, out);
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
