#include "platform/inet/win32/SystemInternet.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <string>

namespace platform::inet {
namespace {

// The agent name the check has always announced itself with.
constexpr char kAgent[] = "007";

}  // namespace

void InternetHandleClose::operator()(void* handle) const {
    ::InternetCloseHandle(handle);
}

// The session is opened with the first check and serves every address after it.
bool SystemInternet::OpenUrl(std::string_view address) {
    if (!session_) {
        session_.reset(::InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    }
    if (!session_) {
        return false;
    }
    const std::string url(address);
    // Opening is the whole check: nothing of the page is read.
    const InternetHandle page(::InternetOpenUrlA(session_.get(), url.c_str(), nullptr, 0, 0, 0));
    return page != nullptr;
}

std::unique_ptr<Internet> CreateSystemInternet() {
    return std::make_unique<SystemInternet>();
}

}  // namespace platform::inet
