#include "platform/shell/win32/ShellExecuteBrowser.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

namespace platform::shell {

void ShellExecuteBrowser::OpenPage(std::string_view address) {
    const std::string page(address);
    ::ShellExecuteA(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace platform::shell
