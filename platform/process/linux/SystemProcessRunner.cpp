#include "platform/process/linux/SystemProcessRunner.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/process/CommandLine.h"
#include "platform/process/ProgramFolder.h"
#include "platform/process/linux/SpawnAttributes.h"

extern char** environ;

namespace platform::process {

namespace {

namespace fs = std::filesystem;

// The absolute path of the program file path names, if it is one this process may run: the one
// rule for what is installed and what is started.
std::optional<std::string> ProgramAt(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error || !fs::is_regular_file(absolute, error) || ::access(absolute.c_str(), X_OK) != 0) {
        return std::nullopt;
    }
    return absolute.string();
}

std::vector<fs::path> SearchFolders(const std::string& ownFolder) {
    std::error_code error;
    std::vector<fs::path> folders{ownFolder, fs::current_path(error)};
    const char* path = std::getenv("PATH");
    std::string_view rest = path != nullptr ? path : "";
    while (!rest.empty()) {
        std::size_t colon = rest.find(':');
        std::string_view entry = rest.substr(0, colon);
        folders.emplace_back(entry.empty() ? "." : entry);
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return folders;
}

// Frees the spawn actions on every path out of a start.
class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

// How often a pumping wait looks whether the program has exited.
constexpr auto kExitPollPeriod = std::chrono::milliseconds(20);

void WaitForExit(pid_t pid, const WaitPump& pump) {
    int status = 0;
    const int options = pump ? WNOHANG : 0;
    for (;;) {
        const pid_t waited = ::waitpid(pid, &status, options);
        if (waited == pid || (waited < 0 && errno != EINTR)) {
            return;
        }
        if (waited == 0) {
            pump(kExitPollPeriod);
        }
    }
}

RunResult SpawnAndWait(const std::string& program, std::span<const std::string> arguments,
                       std::string_view currentFolder, const WaitPump& pump) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    SpawnActions actions;
    const std::string folder = FolderName(currentFolder);
    if (!folder.empty() &&
        posix_spawn_file_actions_addchdir_np(actions.get(), folder.c_str()) != 0) {
        return RunResult::FailedToStart;
    }
    pid_t pid = 0;
    const SpawnAttributes attributes;
    if (posix_spawn(&pid, program.c_str(), actions.get(), attributes.get(), argv.data(), environ) !=
        0) {
        return RunResult::FailedToStart;
    }
    WaitForExit(pid, pump);
    return RunResult::Finished;
}

}  // namespace

SystemProcessRunner::SystemProcessRunner(std::string ownFolder)
    : ownFolder_(std::move(ownFolder)) {}

std::optional<std::string> SystemProcessRunner::Resolve(std::string_view windowsName) const {
    std::string name = ProgramFileName(windowsName);
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.find('/') != std::string::npos) {
        return ProgramAt(name);
    }
    for (const fs::path& folder : SearchFolders(ownFolder_)) {
        std::optional<std::string> program =
            folder.empty() ? std::nullopt : ProgramAt(folder / name);
        if (program.has_value()) {
            return program;
        }
    }
    return std::nullopt;
}

RunResult SystemProcessRunner::RunAndWait(std::string_view commandLine,
                                          std::string_view currentFolder) {
    for (const ProgramCandidate& candidate : ProgramCandidates(commandLine)) {
        if (std::optional<std::string> program = Resolve(candidate.program)) {
            return SpawnAndWait(*program, SplitArguments(candidate.arguments), currentFolder,
                                pump_);
        }
    }
    return RunResult::FailedToStart;
}

RunResult SystemProcessRunner::RunProgramAndWait(std::string_view programPath,
                                                 std::span<const std::string> arguments,
                                                 std::string_view currentFolder) {
    std::optional<std::string> program = Resolve(programPath);
    return program ? SpawnAndWait(*program, arguments, currentFolder, pump_)
                   : RunResult::FailedToStart;
}

// Only the current folder: a file there that cannot be run is no reason to run another one of the
// name from our own folder or PATH.
std::optional<std::string> SystemProcessRunner::InstalledProgram(std::string_view fileName) {
    const std::string name = ProgramFileName(fileName);
    std::error_code error;
    const fs::path folder = fs::current_path(error);
    if (error || name.empty()) {
        return std::nullopt;
    }
    return ProgramAt(folder / name);
}

std::unique_ptr<ProcessRunner> CreateSystemProcessRunner(WaitPump pump) {
    auto runner = std::make_unique<SystemProcessRunner>();
    runner->SetWaitPump(std::move(pump));
    return runner;
}

}  // namespace platform::process
