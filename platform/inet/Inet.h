#pragma once
// Reaching web pages: whether an address answers, and which addresses the launcher uses.
#include <memory>
#include <string>
#include <string_view>

namespace platform::inet {

// The maker's site (its home page and the base of the download pages) and the publisher's home
// page, without a trailing "/".
struct Sites {
    std::string maker;
    std::string publisher;
};

// VELORIN_MAKER_URL and VELORIN_PUBLISHER_URL when set, else the built-in placeholders.
Sites ConfiguredSites();

class Internet {
  public:
    virtual ~Internet() = default;
    // Opens the address and closes it again without reading the page; true when a server
    // answered, whatever it answered.
    virtual bool OpenUrl(std::string_view address) = 0;
};

// The platform's own check.
std::unique_ptr<Internet> CreateSystemInternet();

}  // namespace platform::inet
