#pragma once
// Opens pages with the xdg-open found on PATH, given the address as its one argument.
#include <sys/types.h>

#include <vector>

#include "platform/shell/Shell.h"

namespace platform::shell {

class XdgOpenBrowser : public Browser {
  public:
    XdgOpenBrowser() = default;
    ~XdgOpenBrowser() override;
    XdgOpenBrowser(const XdgOpenBrowser&) = delete;
    XdgOpenBrowser& operator=(const XdgOpenBrowser&) = delete;

    void OpenPage(std::string_view address) override;

  private:
    // Reaps the openers that have ended; xdg-open may stay until the browser closes, so the
    // launcher never waits for one.
    void ReapFinished();

    std::vector<pid_t> openers_;
};

}  // namespace platform::shell
