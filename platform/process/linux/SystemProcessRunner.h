#pragma once
// Starts programs with posix_spawn and waits with waitpid; never through a shell.
#include <optional>
#include <string>
#include <utility>

#include "platform/process/Process.h"
#include "platform/process/ProgramFolder.h"
#include "platform/process/WaitPump.h"

namespace platform::process {

class SystemProcessRunner : public ProcessRunner {
  public:
    // ownFolder is where a bare program name is looked for first: the launcher's own folder
    // unless a test names another.
    explicit SystemProcessRunner(std::string ownFolder = ProgramFolder().string());

    RunResult RunAndWait(std::string_view commandLine, std::string_view currentFolder) override;
    RunResult RunProgramAndWait(std::string_view programPath,
                                std::span<const std::string> arguments,
                                std::string_view currentFolder) override;
    std::optional<std::string> InstalledProgram(std::string_view fileName) override;

    // Without a pump the runner blocks until the program exits.
    void SetWaitPump(WaitPump pump) { pump_ = std::move(pump); }

  private:
    // The absolute path of the program file a Windows-style name stands for, if there is one:
    // a name with a folder as it is, a bare name in our own folder, the current folder, then PATH.
    std::optional<std::string> Resolve(std::string_view windowsName) const;

    std::string ownFolder_;
    WaitPump pump_;
};

}  // namespace platform::process
