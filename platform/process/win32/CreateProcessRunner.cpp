#include "platform/process/win32/CreateProcessRunner.h"

#include <windows.h>

#include <string>

#include "platform/process/CommandLine.h"

namespace platform::process {

RunResult CreateProcessRunner::RunAndWait(std::string_view commandLine,
                                          std::string_view currentFolder) {
    // CreateProcess may write into the command line it is given.
    std::string line(commandLine);
    const std::string folder(currentFolder);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        return RunResult::FailedToStart;
    }
    ::CloseHandle(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hProcess);
    return RunResult::Finished;
}

// Windows takes a quoted program part whole, blanks and all, and searches for it only when it is
// a bare name; the arguments are quoted so that its rules split them back as they were.
RunResult CreateProcessRunner::RunProgramAndWait(std::string_view programPath,
                                                 std::span<const std::string> arguments,
                                                 std::string_view currentFolder) {
    return RunAndWait(JoinCommandLine(programPath, arguments), currentFolder);
}

bool CreateProcessRunner::ProgramFileExists(std::string_view fileName) {
    const DWORD attributes = ::GetFileAttributesA(std::string(fileName).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace platform::process
