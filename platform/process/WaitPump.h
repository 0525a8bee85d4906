#pragma once
// What a process runner calls again and again while a program it started runs, so the caller's
// windows stay painted and answer the window system; each call returns within about the time it
// is given.
#include <chrono>
#include <functional>

namespace platform::process {

using WaitPump = std::function<void(std::chrono::milliseconds)>;

}  // namespace platform::process
