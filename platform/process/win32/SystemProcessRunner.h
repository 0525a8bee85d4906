#pragma once
// Starts programs with CreateProcess and waits for them, with MsgWaitForMultipleObjects and the
// pump when one is set. Windows reads the command line itself: the program part, the search for a
// bare name and the ".exe".
#include <utility>

#include "platform/process/Process.h"
#include "platform/process/WaitPump.h"

namespace platform::process {

class SystemProcessRunner : public ProcessRunner {
  public:
    RunResult RunAndWait(std::string_view commandLine, std::string_view currentFolder) override;
    RunResult RunProgramAndWait(std::string_view programPath,
                                std::span<const std::string> arguments,
                                std::string_view currentFolder) override;
    std::optional<std::string> InstalledProgram(std::string_view fileName) override;

    // Without a pump the runner blocks in WaitForSingleObject until the program exits.
    void SetWaitPump(WaitPump pump) { pump_ = std::move(pump); }

  private:
    WaitPump pump_;
};

}  // namespace platform::process
