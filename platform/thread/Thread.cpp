#include "platform/thread/Thread.h"

#include <atomic>
#include <cstdint>

#include "platform/thread/TimeScale.h"

namespace platform::thread {

namespace {

std::atomic<double> g_timeScale{1.0};
std::atomic<int> g_refusedStarts{0};

}  // namespace

std::chrono::nanoseconds Scaled(std::chrono::milliseconds duration) {
    const double nanoseconds =
        std::chrono::duration<double, std::nano>(duration).count() / g_timeScale.load();
    return std::chrono::nanoseconds(static_cast<std::int64_t>(nanoseconds));
}

bool StartsRefused() {
    return g_refusedStarts.load() > 0;
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
