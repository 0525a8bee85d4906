#pragma once
// Starting another program and waiting for it, the way the launcher hands over to Velorin and its
// companion tools. Fixed command lines are written as on Windows ("Velorin"); the backend resolves
// the program and splits the arguments, and never involves a shell. Anything that comes from a
// stored value goes through RunProgramAndWait, where nothing is ever split.
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/process/WaitPump.h"

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
    // Only for command lines written in the code: an unquoted line is read the Windows way, trying
    // every prefix that ends before a blank as the program.
    virtual RunResult RunAndWait(std::string_view commandLine, std::string_view currentFolder) = 0;

    // Starts the one program file programPath names (written the Windows way; a bare name is
    // searched for as in a command line) with each argument handed over as it is. A blank in the
    // path never makes a shorter path a candidate, and no argument is ever split or joined.
    virtual RunResult RunProgramAndWait(std::string_view programPath,
                                        std::span<const std::string> arguments,
                                        std::string_view currentFolder) = 0;

    // The program file of that name ("TsAVIMaker.exe") in the launcher's current folder, as the
    // path to hand to RunProgramAndWait, which then starts that very file: nothing when it is not
    // there or could not be run by that path (a folder; on Linux a file without the right to run).
    virtual std::optional<std::string> InstalledProgram(std::string_view fileName) = 0;
};

// The platform's own runner. The pump runs while the launcher waits for a program it started
// (see WaitPump); without one the runner blocks until the program exits.
std::unique_ptr<ProcessRunner> CreateSystemProcessRunner(WaitPump pump = {});

}  // namespace platform::process
