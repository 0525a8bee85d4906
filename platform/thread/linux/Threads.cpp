#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/thread/Thread.h"
#include "platform/thread/TimeScale.h"

namespace platform::thread {

namespace {

// One lock and one condition for every event: a wait may name any events together, as the
// capture thread's wait on its three notifications does, and signals are rare.
std::mutex g_eventLock;
std::condition_variable g_eventSignalled;

}  // namespace

struct Event::State {
    bool signalled = false;  // guarded by g_eventLock
};

Event::Event() : state_(std::make_unique<State>()) {}

Event::~Event() = default;

// Notifies under the lock: once a waiter sees the signal, the signalling thread no longer touches
// the condition, which may then go (a detached thread can outlive the program's statics).
void Event::Set() {
    std::lock_guard lock(g_eventLock);
    state_->signalled = true;
    g_eventSignalled.notify_all();
}

int WaitForAny(std::span<Event* const> events, std::chrono::milliseconds timeout) {
    int found = kWaitTimeout;
    auto anySignalled = [&] {
        for (std::size_t index = 0; index < events.size(); ++index) {
            if (events[index]->state_->signalled) {
                events[index]->state_->signalled = false;
                found = static_cast<int>(index);
                return true;
            }
        }
        return false;
    };
    std::unique_lock lock(g_eventLock);
    g_eventSignalled.wait_for(lock, Scaled(timeout), anySignalled);
    return found;
}

bool BeginThread(ThreadProcedure procedure, void* argument) {
    if (StartsRefused()) {
        return false;
    }
    try {
        std::thread(procedure, argument).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

void Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(Scaled(duration));
}

}  // namespace platform::thread
