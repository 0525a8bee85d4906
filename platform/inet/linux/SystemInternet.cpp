#include "platform/inet/linux/SystemInternet.h"

// The functions are called through pointers: without the checking macros, each name is a plain
// declaration whose type the pointers take.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>

#include <memory>
#include <string>

namespace platform::inet {

namespace {

// The agent name the check has always announced itself with.
constexpr const char* kAgent = "007";
constexpr long kConnectTimeoutSeconds = 60;
// A server that connects but never answers counts as unreachable after this long in all.
constexpr long kWholeTimeoutSeconds = 120;

// libcurl, opened and initialised once, on first use, for the rest of the process.
class CurlLibrary {
  public:
    CurlLibrary() : handle_(dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL)) {
        if (handle_ == nullptr || !Find(globalInit, "curl_global_init") ||
            !Find(globalCleanup, "curl_global_cleanup") || !Find(easyInit, "curl_easy_init") ||
            !Find(easySetopt, "curl_easy_setopt") || !Find(easyPerform, "curl_easy_perform") ||
            !Find(easyGetinfo, "curl_easy_getinfo") || !Find(easyCleanup, "curl_easy_cleanup")) {
            return;
        }
        ready_ = globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    }
    ~CurlLibrary() {
        if (ready_) {
            globalCleanup();
        }
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;

    bool ready() const { return ready_; }

    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_global_cleanup) globalCleanup = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;

  private:
    template <typename Function>
    bool Find(Function& function, const char* name) {
        function = reinterpret_cast<Function>(dlsym(handle_, name));
        return function != nullptr;
    }

    void* handle_;
    bool ready_ = false;
};

const CurlLibrary& Curl() {
    static const CurlLibrary library;
    return library;
}

}  // namespace

bool SystemInternet::OpenUrl(std::string_view address) {
    const CurlLibrary& curl = Curl();
    if (!curl.ready()) {
        return false;
    }
    auto cleanup = [&curl](CURL* handle) { curl.easyCleanup(handle); };
    std::unique_ptr<CURL, decltype(cleanup)> handle(curl.easyInit(), cleanup);
    if (!handle) {
        return false;
    }
    std::string url(address);
    CURL* session = handle.get();
    curl.easySetopt(session, CURLOPT_URL, url.c_str());
    curl.easySetopt(session, CURLOPT_USERAGENT, kAgent);
    // Only the answer's head is fetched: nothing of the page is read.
    curl.easySetopt(session, CURLOPT_NOBODY, 1L);
    curl.easySetopt(session, CURLOPT_FOLLOWLOCATION, 1L);
    curl.easySetopt(session, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl.easySetopt(session, CURLOPT_TIMEOUT, kWholeTimeoutSeconds);
    curl.easySetopt(session, CURLOPT_NOSIGNAL, 1L);
    const CURLcode result = curl.easyPerform(session);
    long status = 0;
    curl.easyGetinfo(session, CURLINFO_RESPONSE_CODE, &status);
    return result == CURLE_OK || status != 0;
}

std::unique_ptr<Internet> CreateSystemInternet() {
    return std::make_unique<SystemInternet>();
}

}  // namespace platform::inet
