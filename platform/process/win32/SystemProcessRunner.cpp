#include "platform/process/win32/SystemProcessRunner.h"

#include <windows.h>

#include <chrono>
#include <string>

#include "platform/process/CommandLine.h"

namespace platform::process {

namespace {

// How long a pumping wait goes without calling the pump when nothing arrives.
constexpr auto kPumpPeriod = std::chrono::milliseconds(20);

// Wakes for the program's exit and for every message the thread receives; the pump handles the
// messages, so the windows repaint while the program runs.
void WaitForExit(HANDLE process, const WaitPump& pump) {
    if (!pump) {
        ::WaitForSingleObject(process, INFINITE);
        return;
    }
    for (;;) {
        const DWORD woken = ::MsgWaitForMultipleObjects(
            1, &process, FALSE, static_cast<DWORD>(kPumpPeriod.count()), QS_ALLINPUT);
        if (woken != WAIT_TIMEOUT && woken != WAIT_OBJECT_0 + 1) {
            return;
        }
        pump(std::chrono::milliseconds(0));
    }
}

}  // namespace

RunResult SystemProcessRunner::RunAndWait(std::string_view commandLine,
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
    WaitForExit(process.hProcess, pump_);
    ::CloseHandle(process.hProcess);
    return RunResult::Finished;
}

// Windows takes a quoted program part whole, blanks and all, and searches for it only when it is
// a bare name; the arguments are quoted so that its rules split them back as they were.
RunResult SystemProcessRunner::RunProgramAndWait(std::string_view programPath,
                                                 std::span<const std::string> arguments,
                                                 std::string_view currentFolder) {
    return RunAndWait(JoinCommandLine(programPath, arguments), currentFolder);
}

// The full path, since a bare name would make CreateProcess search its folders, and find another
// program of the name where this one is missing.
std::optional<std::string> SystemProcessRunner::InstalledProgram(std::string_view fileName) {
    const std::string name(fileName);
    char full[MAX_PATH];
    const DWORD length = ::GetFullPathNameA(name.c_str(), MAX_PATH, full, nullptr);
    if (name.empty() || length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    const DWORD attributes = ::GetFileAttributesA(full);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return std::string(full, length);
}

std::unique_ptr<ProcessRunner> CreateSystemProcessRunner(WaitPump pump) {
    auto runner = std::make_unique<SystemProcessRunner>();
    runner->SetWaitPump(std::move(pump));
    return runner;
}

}  // namespace platform::process
