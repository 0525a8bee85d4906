#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/registry/fake/ScopedStore.h"
#include "platform/shell/linux/SystemBrowser.h"
#include "tests/support/Helpers.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScopedEnv;

// First: a child left by another test would hide a process started here.
TEST(SystemBrowser, NoXdgOpenIsNoError) {
    ScopedEnv path("PATH", "/nonexistent");
    platform::shell::SystemBrowser browser;
    EXPECT_NO_THROW(browser.OpenPage("http://maker.example/"));
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "something was started";
    EXPECT_EQ(errno, ECHILD);
}

TEST(SystemBrowser, HandsTheAddressToXdgOpenOnThePathAsItsOneArgument) {
    platform::registry::ScopedStore scratch;  // a temporary folder of its own
    const fs::path folder = scratch.folder();
    const fs::path opened = folder / "opened.txt";
    {
        std::ofstream script(folder / "xdg-open");
        script << "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" << opened.string() << ".new'\nmv '"
               << opened.string() << ".new' '" << opened.string() << "'\n";
    }
    ::chmod((folder / "xdg-open").c_str(), 0755);
    const std::string searchPath = folder.string() + ":/usr/bin:/bin";
    ScopedEnv path("PATH", searchPath.c_str());

    const std::string page = "http://maker.example/Velorin/AVI?a=1&b=$(touch pwned);x";
    platform::shell::SystemBrowser browser;
    browser.OpenPage(page);
    for (int waited = 0; waited < 100 && !fs::exists(opened); ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(ReadFile(opened.string()), "1|" + page + "|");
}
