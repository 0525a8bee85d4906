#pragma once
// An Internet where the test says which addresses answer; records every address tried.
#include <set>
#include <string>
#include <vector>

#include "platform/inet/Inet.h"

namespace platform::inet::fake {

class ScriptedInternet : public Internet {
  public:
    void SetReachable(const std::string& address, bool reachable);
    const std::vector<std::string>& tried() const { return tried_; }

    bool OpenUrl(std::string_view address) override;

  private:
    std::set<std::string, std::less<>> reachable_;
    std::vector<std::string> tried_;
};

}  // namespace platform::inet::fake
