#pragma once
// Threads, events and waits as the capture engine uses them: auto-reset events that one thread
// signals and another waits on (several at once, with a time-out), a detached worker thread started
// with a plain function, and sleeping. Waits and sleeps run on a clock that tests may speed up.
#include <chrono>
#include <cstddef>
#include <memory>
#include <span>

namespace platform::thread {

// An auto-reset event, created not signalled: one successful wait consumes one signal, and signals
// that nobody has consumed yet do not add up.
class Event {
  public:
    Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    ~Event();

    void Set();

  private:
    friend int WaitForAny(std::span<Event* const> events, std::chrono::milliseconds timeout);
    friend struct BackendAccess;  // the backend's way to its own state, for system calls
    struct State;  // the backend's own: a flag under a lock, or an event object of the system
    std::unique_ptr<State> state_;
};

// What WaitForAny returns when no event was signalled within the time-out.
constexpr int kWaitTimeout = -1;

// Waits until one of events is signalled, consumes that signal and returns its index (the lowest
// when several are), or kWaitTimeout after timeout of the wait clock.
int WaitForAny(std::span<Event* const> events, std::chrono::milliseconds timeout);

// Starts procedure(argument) on a new detached thread; false when no thread could be started.
using ThreadProcedure = void (*)(void* argument);
bool BeginThread(ThreadProcedure procedure, void* argument);

// Suspends the calling thread for duration of the wait clock.
void Sleep(std::chrono::milliseconds duration);

// Makes every later wait and sleep last 1/factor of its nominal duration (factor 1: real time).
// Tests speed up time-outs with it; it never changes what a wait returns.
void SetTimeScale(double factor);

// While alive, BeginThread fails without starting anything: the seam for a refused thread start.
class RefusedThreadStarts {
  public:
    RefusedThreadStarts();
    ~RefusedThreadStarts();
    RefusedThreadStarts(const RefusedThreadStarts&) = delete;
    RefusedThreadStarts& operator=(const RefusedThreadStarts&) = delete;
};

}  // namespace platform::thread
