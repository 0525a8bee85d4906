#pragma once
// The Internet check on libcurl, with time-outs like the Windows Internet functions' defaults
// rather than libcurl's five-minute connect time-out. libcurl and the TLS libraries behind it are
// loaded at the first check, not when the launcher starts: most runs never check, and mapping
// them would hold back the splash.
#include "platform/inet/Inet.h"

namespace platform::inet {

class SystemInternet : public Internet {
  public:
    // False when libcurl cannot be loaded: the check then finds no connection.
    bool OpenUrl(std::string_view address) override;
};

}  // namespace platform::inet
