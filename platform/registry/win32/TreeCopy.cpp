#include "platform/registry/win32/TreeCopy.h"

#include "platform/registry/win32/SystemCalls.h"
#include "platform/registry/win32/Values.h"

namespace platform::registry {
namespace {

// The longest key and value names the registry allows, with room for the terminating zero.
constexpr DWORD kNameCharacters = 16384;

bool CopyValues(HKEY key, TreeCopy& out) {
    std::wstring name(kNameCharacters, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = kNameCharacters;
        const LSTATUS code =
            ::RegEnumValueW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_NO_MORE_ITEMS) {
            return true;
        }
        TreeCopy::Value value{Narrow({name.data(), length}), REG_BINARY, {}};
        if (code != ERROR_SUCCESS ||
            ReadValue(key, value.name, value.type, value.data) != ERROR_SUCCESS) {
            return false;
        }
        out.values.push_back(std::move(value));
    }
}

}  // namespace

bool CopyTree(HKEY key, TreeCopy& out) {
    if (!CopyValues(key, out)) {
        return false;
    }
    std::string name(kNameCharacters, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = kNameCharacters;
        LSTATUS code =
            ::RegEnumKeyExA(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_NO_MORE_ITEMS) {
            return true;
        }
        HKEY child = nullptr;
        if (code == ERROR_SUCCESS) {
            code = OpenSubKey(key, name.substr(0, length), KEY_READ, child);
        }
        if (code != ERROR_SUCCESS) {
            return false;
        }
        out.subKeys.emplace_back(name.substr(0, length), TreeCopy{});
        const bool copied = CopyTree(child, out.subKeys.back().second);
        ::RegCloseKey(child);
        if (!copied) {
            return false;
        }
    }
}

void RestoreTree(HKEY root, const std::string& path, const TreeCopy& tree) {
    HKEY key = nullptr;
    if (CreateSubKey(root, path, KEY_SET_VALUE, key) != ERROR_SUCCESS) {
        return;
    }
    for (const TreeCopy::Value& value : tree.values) {
        WriteValue(key, value.name, value.type, value.data);
    }
    ::RegCloseKey(key);
    for (const auto& [name, subTree] : tree.subKeys) {
        RestoreTree(root, path + '\\' + name, subTree);
    }
}

}  // namespace platform::registry
