#include "platform/thread/Thread.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform::thread {

namespace {

// One lock and one condition for every event: a wait may name any events together, as the
// capture thread's wait on its three notifications does, and signals are rare.
std::mutex g_eventLock;
std::condition_variable g_eventSignalled;

std::atomic<double> g_timeScale{1.0};
std::atomic<int> g_refusedStarts{0};

std::chrono::nanoseconds Scaled(std::chrono::milliseconds duration) {
    const double nanoseconds =
        std::chrono::duration<double, std::nano>(duration).count() / g_timeScale.load();
    return std::chrono::nanoseconds(static_cast<std::int64_t>(nanoseconds));
}

}  // namespace

// Notifies under the lock: once a waiter sees the signal, the signalling thread no longer touches
// the condition, which may then go (a detached thread can outlive the program's statics).
void Event::Set() {
    std::lock_guard lock(g_eventLock);
    signalled_ = true;
    g_eventSignalled.notify_all();
}

int WaitForAny(std::span<Event* const> events, std::chrono::milliseconds timeout) {
    int found = kWaitTimeout;
    auto anySignalled = [&] {
        for (std::size_t index = 0; index < events.size(); ++index) {
            if (events[index]->signalled_) {
                events[index]->signalled_ = false;
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
    if (g_refusedStarts.load() > 0) {
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

void SetTimeScale(double factor) {
    g_timeScale.store(factor > 0.0 ? factor : 1.0);
}

RefusedThreadStarts::RefusedThreadStarts() {
    ++g_refusedStarts;
}

RefusedThreadStarts::~RefusedThreadStarts() {
    --g_refusedStarts;
}

}  // namespace platform::thread
