#pragma once
// The Internet check on the Windows Internet functions, with their own time-outs: one session,
// opened at the first check and kept, in which each address is opened.
#include <memory>

#include "platform/inet/Inet.h"

namespace platform::inet {

struct InternetHandleClose {
    void operator()(void* handle) const;
};
using InternetHandle = std::unique_ptr<void, InternetHandleClose>;

class SystemInternet : public Internet {
  public:
    bool OpenUrl(std::string_view address) override;

  private:
    InternetHandle session_;
};

}  // namespace platform::inet
