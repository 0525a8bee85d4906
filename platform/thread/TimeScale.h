#pragma once
// What every backend of the thread layer shares: the wait clock's scale and the refused starts.
#include <chrono>

namespace platform::thread {

// duration of the wait clock in real time.
std::chrono::nanoseconds Scaled(std::chrono::milliseconds duration);
// True while a RefusedThreadStarts is alive.
bool StartsRefused();

}  // namespace platform::thread
