#pragma once
// Every registry call of the layer that names rights goes through here, so that all of them see
// the same view and a test can see what each one asks for. The launcher, Velorin and the mixing
// tool's installer share HKEY_LOCAL_MACHINE\SOFTWARE as 32-bit programs see it, so every key is
// reached in the 32-bit view whatever this program's own width.
#include <windows.h>

#include <functional>
#include <string>

namespace platform::registry {

constexpr REGSAM kView = KEY_WOW64_32KEY;

// The registry functions the layer calls; a test may put recorders in their place.
struct SystemCalls {
    decltype(&::RegOpenKeyExA) openKey = ::RegOpenKeyExA;
    decltype(&::RegCreateKeyExA) createKey = ::RegCreateKeyExA;
    decltype(&::RegDeleteKeyExA) deleteKey = ::RegDeleteKeyExA;
};
SystemCalls& Calls();

// Opens the existing key at path below parent with rights, in the view.
LSTATUS OpenSubKey(HKEY parent, const std::string& path, REGSAM rights, HKEY& out);
// Opens or creates the key at path below parent with rights, in the view.
LSTATUS CreateSubKey(HKEY parent, const std::string& path, REGSAM rights, HKEY& out,
                     DWORD* disposition = nullptr);

// What deleting a key's tree needs of the key: reading it (to enumerate and to keep a copy),
// removing its values, and deleting it.
constexpr REGSAM kDeleteTreeRights = KEY_READ | KEY_SET_VALUE | DELETE;

// Deletes the key at path below start with everything under it. keep, when given, is shown the
// key (opened with kDeleteTreeRights) first and returns false to leave it (ERROR_CANCELLED).
LSTATUS DeleteKeyTree(HKEY start, const std::string& path,
                      const std::function<bool(HKEY)>& keep = {});

}  // namespace platform::registry
