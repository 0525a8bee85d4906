#pragma once
// Ends the process promptly when the desktop asks it to, after the cleanups of
// platform/termination: the end of the session (WM_QUERYENDSESSION and WM_ENDSESSION reach every
// top-level window) and the console's control events (Ctrl+C, Ctrl+Break, the console closed,
// log-off, shut-down). A thread of its own keeps a hidden top-level window for the session's end,
// so that the request is heard whatever the program's other threads do, also while the launcher
// waits for a program it started and its own windows take no messages.
#include <cstdint>
#include <thread>

#include "platform/termination/Termination.h"

namespace platform::termination {

class SystemEndWatch final : public EndWatch {
  public:
    // Returns once the watch hears requests.
    SystemEndWatch();
    // Stops watching; a request that comes later ends the process plainly.
    ~SystemEndWatch() override;
    SystemEndWatch(const SystemEndWatch&) = delete;
    SystemEndWatch& operator=(const SystemEndWatch&) = delete;

  private:
    void Watch(void* ready);

    std::uint32_t threadId_ = 0;
    std::thread watcher_;
};

}  // namespace platform::termination
