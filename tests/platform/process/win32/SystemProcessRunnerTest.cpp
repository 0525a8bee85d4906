// The Windows runner's wait: with a pump, the thread's messages are handed to it while the
// started program runs, in short steps, and the wait still ends when the program does. Its
// presence check names the very file that then runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

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

// A bare name would make CreateProcess search the system's folders: the check answers with the
// current folder's file by its full path, and a program found only by that search is not there.
TEST(SystemProcessRunner, AnInstalledProgramIsTheCurrentFoldersFileByItsFullPath) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            ("velorin-installed-" + std::to_string(::GetCurrentProcessId()));
    fs::create_directories(folder / "TsAVIMaker.exe");
    std::ofstream(folder / "exportToWeb.exe") << "MZ";
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    process::SystemProcessRunner runner;
    EXPECT_EQ(runner.InstalledProgram("cmd.exe"), std::nullopt) << "found only by the search";
    EXPECT_EQ(runner.InstalledProgram("TsAVIMaker.exe"), std::nullopt) << "a folder";
    EXPECT_EQ(runner.InstalledProgram(""), std::nullopt);
    const auto exporter = runner.InstalledProgram("exportToWeb.exe");
    ASSERT_TRUE(exporter.has_value());
    EXPECT_TRUE(fs::path(*exporter).is_absolute()) << *exporter;
    EXPECT_TRUE(fs::equivalent(*exporter, folder / "exportToWeb.exe")) << *exporter;
    fs::current_path(previous);
    fs::remove_all(folder);
}
