#pragma once
// Opens pages with the xdg-open found on PATH, given the address as its one argument.
#include <sys/types.h>

#include <vector>

#include "platform/shell/Shell.h"

namespace platform::shell {

class SystemBrowser : public Browser {
  public:
    SystemBrowser() = default;
    ~SystemBrowser() override;
    SystemBrowser(const SystemBrowser&) = delete;
    SystemBrowser& operator=(const SystemBrowser&) = delete;

    void OpenPage(std::string_view address) override;

  private:
    // Reaps the openers that have ended; xdg-open may stay until the browser closes, so the
    // launcher never waits for one.
    void ReapFinished();

    std::vector<pid_t> openers_;
};

}  // namespace platform::shell
