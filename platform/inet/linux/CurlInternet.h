#pragma once
// The Internet check on libcurl, with time-outs like the Windows Internet functions' defaults
// rather than libcurl's five-minute connect time-out.
#include "platform/inet/Inet.h"

namespace platform::inet {

class CurlInternet : public Internet {
  public:
    CurlInternet();
    bool OpenUrl(std::string_view address) override;
};

}  // namespace platform::inet
