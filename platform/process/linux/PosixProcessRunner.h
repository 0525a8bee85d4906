#pragma once
// Starts programs with posix_spawn and waits with waitpid; never through a shell.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/process/Process.h"

namespace platform::process {

// What the runner calls again and again while a started program runs, so the caller's windows
// stay painted and answer the window manager; each call returns within about the time it is given.
using WaitPump = std::function<void(std::chrono::milliseconds)>;

class PosixProcessRunner : public ProcessRunner {
  public:
    // ownFolder is where a bare program name is looked for first: the launcher's own folder
    // unless a test names another.
    explicit PosixProcessRunner(std::string ownFolder = LauncherFolder());

    RunResult RunAndWait(std::string_view commandLine, std::string_view currentFolder) override;
    bool ProgramFileExists(std::string_view fileName) override;

    // Without a pump the runner blocks until the program exits.
    void SetWaitPump(WaitPump pump) { pump_ = std::move(pump); }

    // The folder of the running program (from /proc/self/exe).
    static std::string LauncherFolder();

  private:
    // The absolute path of the program file a Windows-style name stands for, if there is one:
    // a name with a folder as it is, a bare name in our own folder, the current folder, then PATH.
    std::optional<std::string> Resolve(std::string_view windowsName) const;

    std::string ownFolder_;
    WaitPump pump_;
};

}  // namespace platform::process
