#pragma once
// A virtual X screen of its own for as long as the object lives; DISPLAY names it meanwhile. The
// server is ended so that it removes its lock file and socket: left behind, they keep a display
// number from other X servers (weston's Xwayland, run by another user, cannot take it over).
#include <optional>
#include <string>

#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"

namespace velorin::test {

class VirtualDisplay {
  public:
    VirtualDisplay(int width, int height);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    bool Ready() const { return !name_.empty(); }

  private:
    void Stop();

    std::optional<testing_support::ChildProcess> server_;
    std::string name_;
    std::optional<testing_support::ScopedEnv> display_;
};

}  // namespace velorin::test
