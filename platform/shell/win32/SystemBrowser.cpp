#include "platform/shell/win32/SystemBrowser.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

namespace platform::shell {

void SystemBrowser::OpenPage(std::string_view address) {
    const std::string page(address);
    // The window the user acted in owns whatever the shell has to show; a browser started
    // hidden would never be seen, so the page is shown normally.
    ::ShellExecuteA(::GetActiveWindow(), "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::unique_ptr<Browser> CreateSystemBrowser() {
    return std::make_unique<SystemBrowser>();
}

}  // namespace platform::shell
