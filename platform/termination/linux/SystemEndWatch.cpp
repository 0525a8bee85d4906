#include "platform/termination/linux/SystemEndWatch.h"

#include <pthread.h>
#include <unistd.h>

#include "platform/termination/Termination.h"

namespace platform::termination {

namespace {

// Also what wakes the watching thread when the watch ends, so it is always watched.
constexpr int kWakeSignal = SIGTERM;

bool Ignored(int signal) {
    struct sigaction current {};
    return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

// Every signal by which a session ends a program that has no handler for it: a logout or kill
// (TERM), a closed terminal or ended remote session (HUP), Ctrl+C (INT) and Ctrl+\ (QUIT). One
// the launcher was started ignoring (nohup, a background job) does not end it, and a blocked
// signal would be kept for sigwait although ignored, so it is left alone.
sigset_t EndingSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, kWakeSignal);
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT}) {
        if (!Ignored(signal)) {
            sigaddset(&signals, signal);
        }
    }
    return signals;
}

// Dies of the signal, as a program without handlers would, so that the one who sent it sees why.
[[noreturn]] void EndBy(int signal) {
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    sigaction(signal, &plain, nullptr);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    raise(signal);
    _exit(128 + signal);
}

}  // namespace

SystemEndWatch::SystemEndWatch() : watched_(EndingSignals()) {
    pthread_sigmask(SIG_BLOCK, &watched_, &previousMask_);
    watcher_ = std::thread([this] { Watch(); });
}

SystemEndWatch::~SystemEndWatch() {
    stopping_ = true;
    pthread_kill(watcher_.native_handle(), kWakeSignal);
    watcher_.join();
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void SystemEndWatch::Watch() {
    int signal = 0;
    while (sigwait(&watched_, &signal) != 0) {
    }
    if (stopping_) {
        return;
    }
    RunCleanupsBeforeEnd();
    EndBy(signal);
}

std::unique_ptr<EndWatch> CreateSystemEndWatch() {
    return std::make_unique<SystemEndWatch>();
}

}  // namespace platform::termination
