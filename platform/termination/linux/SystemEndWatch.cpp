#include "platform/termination/linux/SystemEndWatch.h"

#include <pthread.h>
#include <unistd.h>

#include "platform/termination/Termination.h"

namespace platform::termination {

namespace {

sigset_t EndingSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
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

SystemEndWatch::SystemEndWatch() {
    const sigset_t signals = EndingSignals();
    pthread_sigmask(SIG_BLOCK, &signals, &previousMask_);
    watcher_ = std::thread([this] { Watch(); });
}

SystemEndWatch::~SystemEndWatch() {
    stopping_ = true;
    pthread_kill(watcher_.native_handle(), SIGTERM);
    watcher_.join();
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void SystemEndWatch::Watch() {
    const sigset_t signals = EndingSignals();
    int signal = 0;
    while (sigwait(&signals, &signal) != 0) {
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
