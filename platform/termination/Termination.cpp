#include "platform/termination/Termination.h"

#include <mutex>
#include <utility>
#include <vector>

namespace platform::termination {

namespace {

// Guards the list and every cleanup while it runs, so that the process never ends in the middle
// of one.
std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

std::vector<CleanupGuard*>& Living() {
    static std::vector<CleanupGuard*> guards;
    return guards;
}

}  // namespace

CleanupGuard::CleanupGuard(std::function<void()> cleanup) : cleanup_(std::move(cleanup)) {
    std::lock_guard lock(Lock());
    Living().push_back(this);
}

CleanupGuard::~CleanupGuard() {
    std::lock_guard lock(Lock());
    std::erase(Living(), this);
    if (cleanup_) {
        cleanup_();
    }
}

void RunCleanupsBeforeEnd() {
    // Never released: the process ends while it is held, so no guard can begin a cleanup after
    // this one has run them all.
    Lock().lock();
    for (auto guard = Living().rbegin(); guard != Living().rend(); ++guard) {
        if ((*guard)->cleanup_) {
            std::exchange((*guard)->cleanup_, nullptr)();
        }
    }
}

}  // namespace platform::termination
