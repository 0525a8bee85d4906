// Each signal a session ends the launcher with runs the living cleanups first and still ends the
// process by that signal; a signal the process was started ignoring (nohup) goes on being ignored.
// The watch must be made before any thread exists, so each case runs in a child of the test.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <optional>
#include <utility>

#include "platform/termination/Termination.h"
#include "platform/termination/linux/SystemEndWatch.h"

namespace platform::termination {
namespace {

constexpr int kDeadlineMs = 10000;

// The next byte the child writes, or nothing when none comes before the deadline.
std::optional<char> ByteFrom(int pipe) {
    pollfd ready{pipe, POLLIN, 0};
    char byte = 0;
    if (::poll(&ready, 1, kDeadlineMs) != 1 || ::read(pipe, &byte, 1) != 1) {
        return std::nullopt;
    }
    return byte;
}

// A child that watches for the end as the launcher does, holds a cleanup that writes 'c', and says
// 'r' when it is ready; started ignoring ignored.
class Child {
  public:
    explicit Child(std::optional<int> ignored = std::nullopt) {
        int ends[2];
        EXPECT_EQ(::pipe(ends), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ends[0]);
            Run(ends[1], ignored);
        }
        ::close(ends[1]);
        pipe_ = ends[0];
        EXPECT_EQ(NextByte(), 'r');
    }
    ~Child() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(pipe_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void Send(int signal) {
        ASSERT_GT(pid_, 0);
        ::kill(pid_, signal);
    }
    std::optional<char> NextByte() { return ByteFrom(pipe_); }
    // The signal the child died of.
    int EndingSignal() {
        int status = 0;
        ::waitpid(std::exchange(pid_, -1), &status, 0);
        return WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status);
    }

  private:
    [[noreturn]] static void Run(int pipe, std::optional<int> ignored) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);  // QUIT would write one
        if (ignored.has_value()) {
            ::signal(*ignored, SIG_IGN);
        }
        const SystemEndWatch watch;
        const CleanupGuard guard([pipe] { (void)::write(pipe, "c", 1); });
        (void)::write(pipe, "r", 1);
        for (;;) {
            ::pause();
        }
    }

    pid_t pid_ = -1;
    int pipe_ = -1;
};

TEST(SystemEndWatch, EverySignalThatEndsASessionRunsTheCleanupsAndEndsByThatSignal) {
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) {
        Child child;
        child.Send(signal);
        EXPECT_EQ(child.NextByte(), 'c') << strsignal(signal);
        EXPECT_EQ(child.EndingSignal(), signal) << strsignal(signal);
    }
}

TEST(SystemEndWatch, ASignalIgnoredFromTheStartStaysIgnored) {
    Child child(SIGHUP);
    child.Send(SIGHUP);
    child.Send(SIGTERM);
    EXPECT_EQ(child.NextByte(), 'c');
    EXPECT_EQ(child.EndingSignal(), SIGTERM) << "HUP did not end it";
}

}  // namespace
}  // namespace platform::termination
