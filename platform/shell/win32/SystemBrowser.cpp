#include "platform/shell/win32/SystemBrowser.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

namespace platform::shell {

void SystemBrowser::OpenPage(std::string_view address) {
    const std::string page(address);
    ::ShellExecuteA(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::unique_ptr<Browser> CreateSystemBrowser() {
    return std::make_unique<SystemBrowser>();
}

}  // namespace platform::shell
