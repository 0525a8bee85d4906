#pragma once
// Ends the process promptly on SIGHUP, SIGINT, SIGQUIT and SIGTERM (each of the first three
// unless the process was started ignoring it), after the cleanups of platform/termination, dying
// of the signal as it would have without them. Made first of all the
// platform's backends, before any other thread exists: it blocks those signals in every thread
// started later, so no library's own handler ever takes them (the sound library's turns some into
// events nobody reads), and waits for them on a thread of its own.
#include <signal.h>

#include <atomic>
#include <thread>

#include "platform/termination/Termination.h"

namespace platform::termination {

class SystemEndWatch final : public EndWatch {
  public:
    SystemEndWatch();
    // Stops the watching thread; a request to end that comes later ends the process plainly.
    ~SystemEndWatch() override;
    SystemEndWatch(const SystemEndWatch&) = delete;
    SystemEndWatch& operator=(const SystemEndWatch&) = delete;

  private:
    void Watch();

    const sigset_t watched_;
    sigset_t previousMask_;
    std::atomic<bool> stopping_{false};
    std::thread watcher_;
};

}  // namespace platform::termination
