#pragma once
// The Internet check on the Windows Internet functions, with their own time-outs.
#include "platform/inet/Inet.h"

namespace platform::inet {

class SystemInternet : public Internet {
  public:
    bool OpenUrl(std::string_view address) override;
};

}  // namespace platform::inet
