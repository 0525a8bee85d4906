#include "platform/process/fake/RecordingProcessRunner.h"

#include "platform/process/CommandLine.h"

namespace platform::process::fake {

void RecordingProcessRunner::Install(std::string fileName, Program program) {
    programs_[std::move(fileName)] = std::move(program);
}

void RecordingProcessRunner::InstallBroken(std::string fileName) {
    broken_.insert(std::move(fileName));
}

std::vector<std::string> RecordingProcessRunner::CommandLines() const {
    std::vector<std::string> lines;
    for (const Run& run : runs_) {
        lines.push_back(run.commandLine);
    }
    return lines;
}

std::optional<RunResult> RecordingProcessRunner::Start(const std::string& name, Run run) {
    if (broken_.count(name) != 0) {
        return RunResult::FailedToStart;
    }
    auto found = programs_.find(name);
    if (found == programs_.end()) {
        return std::nullopt;
    }
    run.program = name;
    runs_.push_back(run);
    if (found->second) {
        found->second(run);
    }
    return RunResult::Finished;
}

RunResult RecordingProcessRunner::RunAndWait(std::string_view commandLine,
                                             std::string_view currentFolder) {
    for (const ProgramCandidate& candidate : ProgramCandidates(commandLine)) {
        Run run{std::string(commandLine),
                std::string(currentFolder),
                {},
                SplitArguments(candidate.arguments)};
        if (auto result = Start(ProgramFileName(candidate.program), std::move(run))) {
            return *result;
        }
    }
    return RunResult::FailedToStart;
}

RunResult RecordingProcessRunner::RunProgramAndWait(std::string_view programPath,
                                                    std::span<const std::string> arguments,
                                                    std::string_view currentFolder) {
    Run run{JoinCommandLine(programPath, arguments),
            std::string(currentFolder),
            {},
            {arguments.begin(), arguments.end()}};
    return Start(ProgramFileName(programPath), std::move(run)).value_or(RunResult::FailedToStart);
}

// Our file name stands for the path: the fake finds it from any folder.
std::optional<std::string> RecordingProcessRunner::InstalledProgram(std::string_view fileName) {
    std::string name = ProgramFileName(fileName);
    if (programs_.count(name) == 0 && broken_.count(name) == 0) {
        return std::nullopt;
    }
    return name;
}

}  // namespace platform::process::fake
