#pragma once
// Starts programs with CreateProcess and waits with WaitForSingleObject. Windows reads the
// command line itself: the program part, the search for a bare name and the ".exe".
#include "platform/process/Process.h"

namespace platform::process {

class CreateProcessRunner : public ProcessRunner {
  public:
    RunResult RunAndWait(std::string_view commandLine, std::string_view currentFolder) override;
    RunResult RunProgramAndWait(std::string_view programPath,
                                std::span<const std::string> arguments,
                                std::string_view currentFolder) override;
    bool ProgramFileExists(std::string_view fileName) override;
};

}  // namespace platform::process
