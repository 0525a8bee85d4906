// The Windows runner's wait: with a pump, the thread's messages are handed to it while the
// started program runs, in short steps, and the wait still ends when the program does.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "platform/process/win32/SystemProcessRunner.h"

namespace process = platform::process;

TEST(SystemProcessRunner, AWaitWithAPumpHandsItTheMessagesUntilTheProgramHasExited) {
    constexpr UINT kPosted = WM_APP + 7;
    ASSERT_TRUE(::PostThreadMessageW(::GetCurrentThreadId(), kPosted, 0, 0));
    process::SystemProcessRunner runner;
    int pumps = 0;
    bool sawPosted = false;
    std::chrono::milliseconds longest{0};
    runner.SetWaitPump([&](std::chrono::milliseconds most) {
        ++pumps;
        longest = std::max(longest, most);
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            sawPosted = sawPosted || message.message == kPosted;
        }
    });
    EXPECT_EQ(runner.RunAndWait("cmd /c exit", ""), process::RunResult::Finished);
    EXPECT_TRUE(sawPosted) << "the pump never saw the message waiting in the queue";
    EXPECT_GE(pumps, 1);
    EXPECT_LE(longest, std::chrono::milliseconds(100));
    EXPECT_EQ(runner.RunAndWait("NoSuchProgram", ""), process::RunResult::FailedToStart);
}
