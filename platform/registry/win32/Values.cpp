#include "platform/registry/win32/Values.h"

namespace platform::registry {

std::wstring Wide(std::string_view text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    std::string narrow(
        ::WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(),
                          static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

namespace {

// Both text types hold UTF-16 in the registry; an expandable text is given as it is stored,
// its variables unexpanded.
bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

}  // namespace

LSTATUS ReadValue(HKEY key, std::string_view name, DWORD& type, std::vector<std::byte>& data) {
    const std::wstring valueName = Wide(name);
    DWORD size = 0;
    LSTATUS code = ::RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> raw(size);
    if (code == ERROR_SUCCESS) {
        code = ::RegQueryValueExW(key, valueName.c_str(), nullptr, &type, raw.data(), &size);
    }
    if (code != ERROR_SUCCESS) {
        return code;
    }
    raw.resize(size);
    if (IsText(type)) {
        const std::string text =
            Narrow({reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / sizeof(wchar_t)});
        const auto* bytes = reinterpret_cast<const std::byte*>(text.data());
        data.assign(bytes, bytes + text.size());
    } else {
        const auto* bytes = reinterpret_cast<const std::byte*>(raw.data());
        data.assign(bytes, bytes + raw.size());
    }
    return ERROR_SUCCESS;
}

LSTATUS WriteValue(HKEY key, std::string_view name, DWORD type, std::span<const std::byte> data) {
    const std::wstring valueName = Wide(name);
    if (!IsText(type)) {
        return ::RegSetValueExW(key, valueName.c_str(), 0, type,
                                reinterpret_cast<const BYTE*>(data.data()),
                                static_cast<DWORD>(data.size()));
    }
    // The registry counts a text's terminating zero in when the caller left it out and the
    // character after the text is zero; a character that is not zero there keeps the text exact.
    const std::wstring wide = Wide({reinterpret_cast<const char*>(data.data()), data.size()});
    std::vector<wchar_t> text(wide.begin(), wide.end());
    text.push_back(L'.');  // not written: only keeps the registry from adding a zero
    return ::RegSetValueExW(key, valueName.c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(text.data()),
                            static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
}

}  // namespace platform::registry
