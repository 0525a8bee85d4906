#include "platform/registry/win32/SystemCalls.h"

namespace platform::registry {

SystemCalls& Calls() {
    static SystemCalls calls;
    return calls;
}

LSTATUS OpenSubKey(HKEY parent, const std::string& path, REGSAM rights, HKEY& out) {
    out = nullptr;
    return Calls().openKey(parent, path.c_str(), 0, rights | kView, &out);
}

LSTATUS CreateSubKey(HKEY parent, const std::string& path, REGSAM rights, HKEY& out,
                     DWORD* disposition) {
    out = nullptr;
    return Calls().createKey(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             rights | kView, nullptr, &out, disposition);
}

LSTATUS DeleteKeyTree(HKEY start, const std::string& path, const std::function<bool(HKEY)>& keep) {
    HKEY key = nullptr;
    LSTATUS code = OpenSubKey(start, path, kDeleteTreeRights, key);
    if (code != ERROR_SUCCESS) {
        return code;
    }
    if (keep && !keep(key)) {
        code = ERROR_CANCELLED;
    } else {
        // Without a name the tree's contents go through the handle, which is in the view
        // already; the key itself is then deleted by name.
        code = ::RegDeleteTreeA(key, nullptr);
    }
    ::RegCloseKey(key);
    if (code == ERROR_SUCCESS) {
        code = Calls().deleteKey(start, path.c_str(), kView, 0);
    }
    return code;
}

}  // namespace platform::registry
