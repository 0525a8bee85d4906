#include "platform/inet/win32/SystemInternet.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <string>

namespace platform::inet {
namespace {

// The agent name the check has always announced itself with.
constexpr char kAgent[] = "007";

struct InternetHandleClose {
    void operator()(HINTERNET handle) const { ::InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleClose>;

}  // namespace

bool SystemInternet::OpenUrl(std::string_view address) {
    const InternetHandle session(
        ::InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return false;
    }
    const std::string url(address);
    // Opening is the whole check: nothing of the page is read, and nothing is taken from a cache.
    const InternetHandle page(
        ::InternetOpenUrlA(session.get(), url.c_str(), nullptr, 0,
                           INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
    return page != nullptr;
}

std::unique_ptr<Internet> CreateSystemInternet() {
    return std::make_unique<SystemInternet>();
}

}  // namespace platform::inet
