#include <cstdlib>

#include "platform/inet/Inet.h"

namespace platform::inet {

namespace {

// Placeholders under a reserved domain: they never reach a real site unless configured.
constexpr std::string_view kDefaultMaker = "http://www.velorin.example";
constexpr std::string_view kDefaultPublisher = "http://www.publisher.example";

std::string Configured(const char* variable, std::string_view fallback) {
    const char* value = std::getenv(variable);
    std::string address = value != nullptr && *value != '\0' ? value : std::string(fallback);
    while (!address.empty() && address.back() == '/') {
        address.pop_back();
    }
    return address;
}

}  // namespace

Sites ConfiguredSites() {
    return {Configured("VELORIN_MAKER_URL", kDefaultMaker),
            Configured("VELORIN_PUBLISHER_URL", kDefaultPublisher)};
}

}  // namespace platform::inet
