#pragma once
// Ending the launcher when the desktop asks it to (a logout, kill): the process ends at once, but
// first undoes what must not outlive it, such as the blanked CD autoplay verb of an audio test.
#include <functional>
#include <memory>

namespace platform::termination {

// Runs its cleanup exactly once: when the guard goes out of scope, or, when the process is told to
// end while the guard lives, before the process ends. A cleanup that has begun is always finished
// before the process ends.
class CleanupGuard {
  public:
    explicit CleanupGuard(std::function<void()> cleanup);
    ~CleanupGuard();
    CleanupGuard(const CleanupGuard&) = delete;
    CleanupGuard& operator=(const CleanupGuard&) = delete;

  private:
    friend void RunCleanupsBeforeEnd();
    std::function<void()> cleanup_;  // empty once it has run
};

// Runs the cleanups of every living guard, newest first, and keeps any other from starting: the
// caller ends the process next. Called by the backend that hears the request to end.
void RunCleanupsBeforeEnd();

// Hears the desktop's requests to end the launcher (signals, the session's end) and answers each
// with RunCleanupsBeforeEnd and the end of the process; a request that comes after it is gone
// ends the process plainly.
class EndWatch {
  public:
    virtual ~EndWatch() = default;
};

// The platform's own watch. Made before any other thread exists, since it may decide which
// thread hears the requests.
std::unique_ptr<EndWatch> CreateSystemEndWatch();

}  // namespace platform::termination
