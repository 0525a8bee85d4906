#pragma once
// Opens pages with ShellExecute "open": the browser the user has chosen, never waited for.
#include "platform/shell/Shell.h"

namespace platform::shell {

class SystemBrowser : public Browser {
  public:
    void OpenPage(std::string_view address) override;
};

}  // namespace platform::shell
