#pragma once
// Starting another program and waiting for it, the way the launcher hands over to Velorin and its
// companion tools. Command lines are written as on Windows ("exportToWeb C:\Dances\Salsa.dnc");
// the backend resolves the program and splits the arguments, and never involves a shell.
#include <string>
#include <string_view>

namespace platform::process {

enum class RunResult {
    Finished,       // the program ran and has exited; its exit code is not looked at
    FailedToStart,  // no program file was found for the command line, or it could not be run
};

class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;

    // Starts the command line with currentFolder as the new program's current folder (the
    // launcher's own current folder when empty) and waits for it with no time limit.
    virtual RunResult RunAndWait(std::string_view commandLine, std::string_view currentFolder) = 0;

    // Whether a program file of that name ("TsAVIMaker.exe") is in the launcher's current folder.
    virtual bool ProgramFileExists(std::string_view fileName) = 0;
};

}  // namespace platform::process
