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

RunResult RecordingProcessRunner::RunAndWait(std::string_view commandLine,
                                             std::string_view currentFolder) {
    for (const ProgramCandidate& candidate : ProgramCandidates(commandLine)) {
        std::string name = ProgramFileName(candidate.program);
        auto found = programs_.find(name);
        if (broken_.count(name) != 0) {
            return RunResult::FailedToStart;
        }
        if (found == programs_.end()) {
            continue;
        }
        Run run{std::string(commandLine), std::string(currentFolder), name,
                SplitArguments(candidate.arguments)};
        runs_.push_back(run);
        if (found->second) {
            found->second(run);
        }
        return RunResult::Finished;
    }
    return RunResult::FailedToStart;
}

bool RecordingProcessRunner::ProgramFileExists(std::string_view fileName) {
    std::string name = ProgramFileName(fileName);
    return programs_.count(name) != 0 || broken_.count(name) != 0;
}

}  // namespace platform::process::fake
