#include "platform/inet/linux/CurlInternet.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>
#include <string>

namespace platform::inet {

namespace {

// The agent name the check has always announced itself with.
constexpr const char* kAgent = "007";
constexpr long kConnectTimeoutSeconds = 60;
// A server that connects but never answers counts as unreachable after this long in all.
constexpr long kWholeTimeoutSeconds = 120;

struct CurlCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

}  // namespace

CurlInternet::CurlInternet() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool CurlInternet::OpenUrl(std::string_view address) {
    std::unique_ptr<CURL, CurlCleanup> handle(curl_easy_init());
    if (!handle) {
        return false;
    }
    std::string url(address);
    CURL* curl = handle.get();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kAgent);
    // Only the answer's head is fetched: nothing of the page is read.
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, kWholeTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    return result == CURLE_OK || status != 0;
}

}  // namespace platform::inet
