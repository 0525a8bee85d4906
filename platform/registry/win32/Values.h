#pragma once
// Values as the layer sees them. Texts are kept in the registry the system's way (UTF-16, so
// every program and the registry editor read them) and given to the layer in the ANSI code page,
// byte for byte as written: no terminating zero is added or taken away.
#include <windows.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

LSTATUS ReadValue(HKEY key, std::string_view name, DWORD& type, std::vector<std::byte>& data);
LSTATUS WriteValue(HKEY key, std::string_view name, DWORD type, std::span<const std::byte> data);

}  // namespace platform::registry
