#include <windows.h>

#include "platform/registry/Registry.h"
#include "platform/registry/win32/Roots.h"
#include "platform/registry/win32/Store.h"
#include "platform/registry/win32/Values.h"

namespace platform::registry {
namespace {

struct KeySizes {
    DWORD subKeys = 0;
    DWORD longestSubKey = 0;  // characters, without the terminating zero
    DWORD values = 0;
    DWORD longestValueName = 0;
};

LSTATUS Measure(HKEY key, KeySizes& sizes) {
    return ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &sizes.subKeys, &sizes.longestSubKey,
                              nullptr, &sizes.values, &sizes.longestValueName, nullptr, nullptr,
                              nullptr);
}

}  // namespace

Status ListValues(const Key& key, std::vector<NamedValue>& out) {
    out.clear();
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    KeySizes sizes;
    LSTATUS code = Measure(key.store()->handle(), sizes);
    std::wstring name(sizes.longestValueName + 1, L'\0');
    for (DWORD index = 0; code == ERROR_SUCCESS && index < sizes.values; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        code = ::RegEnumValueW(key.store()->handle(), index, name.data(), &nameLength, nullptr,
                               nullptr, nullptr, nullptr);
        NamedValue value{Narrow({name.data(), nameLength}), ValueType::Binary, {}};
        DWORD type = 0;
        if (code == ERROR_SUCCESS) {
            code = ReadValue(key.store()->handle(), value.name, type, value.data);
        }
        if (code == ERROR_SUCCESS) {
            value.type = static_cast<ValueType>(type);
            out.push_back(std::move(value));
        }
    }
    return StatusOf(code);
}

Status ListSubKeys(const Key& key, std::vector<std::string>& out) {
    out.clear();
    if (!key.IsOpen()) {
        return Status::InvalidArgument;
    }
    KeySizes sizes;
    LSTATUS code = Measure(key.store()->handle(), sizes);
    std::string name(sizes.longestSubKey + 1, '\0');
    for (DWORD index = 0; code == ERROR_SUCCESS && index < sizes.subKeys; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        code = ::RegEnumKeyExA(key.store()->handle(), index, name.data(), &nameLength, nullptr,
                               nullptr, nullptr, nullptr);
        if (code == ERROR_SUCCESS) {
            out.push_back(name.substr(0, nameLength));
        }
    }
    return StatusOf(code);
}

}  // namespace platform::registry
