#include <process.h>
#include <windows.h>

#include <algorithm>

#include "platform/thread/Thread.h"
#include "platform/thread/TimeScale.h"
#include "platform/thread/win32/EventHandle.h"

namespace platform::thread {

namespace {

// The system waits in whole milliseconds; a scaled wait is never rounded down to no wait at all.
DWORD Milliseconds(std::chrono::milliseconds duration) {
    const auto scaled = std::chrono::ceil<std::chrono::milliseconds>(Scaled(duration)).count();
    return static_cast<DWORD>(std::clamp<long long>(scaled, 0, INFINITE - 1));
}

}  // namespace

// An auto-reset event object, created not signalled.
struct Event::State {
    HANDLE handle = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ~State() { ::CloseHandle(handle); }
    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
};

Event::Event() : state_(std::make_unique<State>()) {}

Event::~Event() = default;

void Event::Set() {
    ::SetEvent(state_->handle);
}

struct BackendAccess {
    static HANDLE Handle(Event& event) { return event.state_->handle; }
};

HANDLE win32::EventHandle(Event& event) {
    return BackendAccess::Handle(event);
}

int WaitForAny(std::span<Event* const> events, std::chrono::milliseconds timeout) {
    HANDLE handles[MAXIMUM_WAIT_OBJECTS];
    const std::size_t count = std::min<std::size_t>(events.size(), MAXIMUM_WAIT_OBJECTS);
    for (std::size_t index = 0; index < count; ++index) {
        handles[index] = events[index]->state_->handle;
    }
    const DWORD result =
        ::WaitForMultipleObjects(static_cast<DWORD>(count), handles, FALSE, Milliseconds(timeout));
    if (result >= WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + count) {
        return static_cast<int>(result - WAIT_OBJECT_0);
    }
    return kWaitTimeout;
}

bool BeginThread(ThreadProcedure procedure, void* argument) {
    if (StartsRefused()) {
        return false;
    }
    return ::_beginthread(procedure, 0, argument) != static_cast<std::uintptr_t>(-1);
}

void Sleep(std::chrono::milliseconds duration) {
    ::Sleep(Milliseconds(duration));
}

}  // namespace platform::thread
