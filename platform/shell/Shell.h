#pragma once
// Opening a web page in the user's browser. Whether it opened is not looked at.
#include <memory>
#include <string_view>

namespace platform::shell {

class Browser {
  public:
    virtual ~Browser() = default;
    virtual void OpenPage(std::string_view address) = 0;
};

// The platform's own way to the user's browser.
std::unique_ptr<Browser> CreateSystemBrowser();

}  // namespace platform::shell
