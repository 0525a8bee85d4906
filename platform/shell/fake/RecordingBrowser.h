#pragma once
// Records the pages a test's flows opened.
#include <string>
#include <vector>

#include "platform/shell/Shell.h"

namespace platform::shell::fake {

class RecordingBrowser : public Browser {
  public:
    const std::vector<std::string>& pages() const { return pages_; }
    void OpenPage(std::string_view address) override { pages_.emplace_back(address); }

  private:
    std::vector<std::string> pages_;
};

}  // namespace platform::shell::fake
