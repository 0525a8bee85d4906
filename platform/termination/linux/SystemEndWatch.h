#pragma once
// Ends the process promptly on SIGTERM and SIGINT, after the cleanups of platform/termination.
// Made first thing in main, before any other thread exists: it blocks both signals in every
// thread started later, so no library's own handler ever takes them (the sound library's turns
// them into events nobody reads), and waits for them on a thread of its own.
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

    sigset_t previousMask_;
    std::atomic<bool> stopping_{false};
    std::thread watcher_;
};

}  // namespace platform::termination
