#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/process/linux/SystemProcessRunner.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/Helpers.h"

namespace fs = std::filesystem;
namespace process = platform::process;

namespace {

// A folder with small shell-script programs that write their arguments and folder to a file.
class ProgramFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("velorin-process-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "own");
        fs::create_directories(root_ / "work");
        previous_ = fs::current_path();
        fs::current_path(root_ / "work");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    // Writes a program that records its folder and arguments, one per line, to its output file.
    fs::path AddProgram(const fs::path& path, const std::string& label, bool executable = true) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "#!/bin/sh\n{ echo " << label
                            << "; pwd; "
                               "for a in \"$@\"; do printf '%s\\n' \"[$a]\"; done; } >> '"
                            << Output().string() << "'\n";
        ::chmod(path.c_str(), executable ? 0755 : 0644);
        return path;
    }
    fs::path Output() const { return root_ / "output.txt"; }
    std::string Recorded() const {
        std::ifstream in(Output());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path root_;
    fs::path previous_;
};

}  // namespace

TEST_F(ProgramFolder, BareNamesAreFoundInTheOwnFolderBeforeTheCurrentOne) {
    AddProgram(root_ / "own" / "Velorin", "own");
    AddProgram(root_ / "work" / "Velorin", "work");
    process::SystemProcessRunner runner((root_ / "own").string());
    EXPECT_EQ(runner.RunAndWait("Velorin", {}), process::RunResult::Finished);
    EXPECT_EQ(Recorded(), "own\n" + (root_ / "work").string() + "\n");
}

// The presence check answers with the path that then runs: the current folder's file, never one
// of the same name found elsewhere. A file there that cannot run is not installed, even with a
// runnable one of the name in our own folder and on PATH.
TEST_F(ProgramFolder, AnInstalledProgramIsTheCurrentFoldersRunnableFileAndThatFileRuns) {
    AddProgram(root_ / "own" / "exportToWeb", "own");
    AddProgram(root_ / "path" / "exportToWeb", "path");
    AddProgram(root_ / "work" / "exportToWeb", "work", false);
    AddProgram(root_ / "work" / "TsAVIMaker", "work");
    fs::create_directories(root_ / "work" / "Velorin");
    const std::string path = (root_ / "path").string() + ":" + std::getenv("PATH");
    const testing_support::ScopedEnv searched("PATH", path.c_str());
    process::SystemProcessRunner runner((root_ / "own").string());
    EXPECT_EQ(runner.InstalledProgram("exportToWeb.exe"), std::nullopt) << "not executable";
    EXPECT_EQ(runner.InstalledProgram("Velorin.exe"), std::nullopt) << "a folder";
    EXPECT_EQ(runner.InstalledProgram(""), std::nullopt);
    AddProgram(root_ / "own" / "TsAVIMaker", "own");
    const auto maker = runner.InstalledProgram("TsAVIMaker.exe");
    ASSERT_EQ(maker, (root_ / "work" / "TsAVIMaker").string());
    EXPECT_EQ(runner.RunProgramAndWait(*maker, {}, {}), process::RunResult::Finished);
    EXPECT_EQ(Recorded(), "work\n" + (root_ / "work").string() + "\n");
}

TEST_F(ProgramFolder, AFolderWithBlanksAndWindowsSeparatorsStillFindsTheProgram) {
    fs::path folder = root_ / "Mix Tool";
    AddProgram(folder / "Blendora Studio VL", "mixer");
    process::SystemProcessRunner runner((root_ / "own").string());
    std::string line = folder.string() + R"(\Blendora Studio VL.exe "a mix.wav" b\c)";
    EXPECT_EQ(runner.RunAndWait(line, folder.string()), process::RunResult::Finished);
    EXPECT_EQ(Recorded(), "mixer\n" + folder.string() + "\n[a mix.wav]\n[b\\c]\n");
    // A stored folder ending in a Windows separator is the current folder all the same.
    const std::string stored = folder.string() + "\\";
    EXPECT_EQ(runner.RunProgramAndWait(stored + "Blendora Studio VL.exe", {}, stored),
              process::RunResult::Finished);
    EXPECT_EQ(Recorded(), "mixer\n" + folder.string() + "\n[a mix.wav]\n[b\\c]\nmixer\n" +
                              folder.string() + "\n");
}

TEST_F(ProgramFolder, ProgramsThatCannotStartAreFailures) {
    AddProgram(root_ / "work" / "exportToWeb", "exporter", false);
    process::SystemProcessRunner runner((root_ / "own").string());
    EXPECT_EQ(runner.RunAndWait("exportToWeb x", {}), process::RunResult::FailedToStart);
    EXPECT_EQ(runner.RunAndWait("NoSuchProgram", {}), process::RunResult::FailedToStart);
    EXPECT_EQ(runner.RunAndWait("", {}), process::RunResult::FailedToStart);
    AddProgram(root_ / "own" / "Velorin", "own");
    EXPECT_EQ(runner.RunAndWait("Velorin", (root_ / "missing").string()),
              process::RunResult::FailedToStart);
    EXPECT_EQ(Recorded(), "");
}

// The launcher blocks the signals that end it for its own watching thread; what it starts must not
// inherit that, or it could not be ended.
TEST_F(ProgramFolder, StartedProgramsBlockNoSignals) {
    fs::path program = root_ / "own" / "signals";
    // exec: the shell blocks every signal of its own while it starts a child of its own.
    std::ofstream(program) << "#!/bin/sh\nexec grep '^SigBlk' /proc/self/status > '"
                           << Output().string() << "'\n";
    ::chmod(program.c_str(), 0755);
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) {
        sigaddset(&ending, signal);
    }
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &ending, &previous);
    process::SystemProcessRunner runner((root_ / "own").string());
    EXPECT_EQ(runner.RunProgramAndWait(program.string(), {}, {}), process::RunResult::Finished);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    EXPECT_EQ(Recorded(), "SigBlk:\t0000000000000000\n");
}

TEST_F(ProgramFolder, AWaitWithAPumpPumpsInShortStepsUntilTheProgramHasExited) {
    const fs::path program = root_ / "own" / "Velorin";
    std::ofstream(program) << "#!/bin/sh\nsleep 0.3\necho done > '" << Output().string() << "'\n";
    ::chmod(program.c_str(), 0755);
    process::SystemProcessRunner runner((root_ / "own").string());
    int pumps = 0;
    std::chrono::milliseconds longest{0};
    runner.SetWaitPump([&](std::chrono::milliseconds most) {
        ++pumps;
        longest = std::max(longest, most);
    });
    EXPECT_EQ(runner.RunAndWait("Velorin", {}), process::RunResult::Finished);
    EXPECT_EQ(Recorded(), "done\n");
    EXPECT_GE(pumps, 2);
    EXPECT_LE(longest, std::chrono::milliseconds(100));
}
