#pragma once
// Opening a web page in the user's browser. Whether it opened is not looked at.
#include <string_view>

namespace platform::shell {

class Browser {
  public:
    virtual ~Browser() = default;
    virtual void OpenPage(std::string_view address) = 0;
};

}  // namespace platform::shell
