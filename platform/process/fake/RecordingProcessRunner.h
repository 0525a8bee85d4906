#pragma once
// Runs programs the test installs as functions and records every command line, for tests of
// the flows that start Velorin and its companion tools.
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/process/Process.h"

namespace platform::process::fake {

class RecordingProcessRunner : public ProcessRunner {
  public:
    struct Run {
        std::string commandLine;
        std::string currentFolder;
        std::string program;                 // our file name of the program that ran
        std::vector<std::string> arguments;  // as the program received them
    };
    using Program = std::function<void(const Run&)>;

    // Makes a program known under our file name ("Velorin", "/opt/Blendora/Blendora Studio VL"),
    // as a file in the current folder; a bare name is found from any folder.
    void Install(std::string fileName, Program program = {});
    // A program file that is there but cannot be started.
    void InstallBroken(std::string fileName);

    const std::vector<Run>& runs() const { return runs_; }
    // The command lines that started a program, in order.
    std::vector<std::string> CommandLines() const;

    RunResult RunAndWait(std::string_view commandLine, std::string_view currentFolder) override;
    // Recorded with the command line the program would see (JoinCommandLine).
    RunResult RunProgramAndWait(std::string_view programPath,
                                std::span<const std::string> arguments,
                                std::string_view currentFolder) override;
    std::optional<std::string> InstalledProgram(std::string_view fileName) override;

  private:
    // Runs the installed program of that file name, if any; nothing when there is none.
    std::optional<RunResult> Start(const std::string& name, Run run);

    std::map<std::string, Program> programs_;
    std::set<std::string> broken_;
    std::vector<Run> runs_;
};

}  // namespace platform::process::fake
