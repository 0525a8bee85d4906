// Command lines the Windows way: reading any text as a command line never fails, and what the
// launcher writes reads back exactly. Quoting any argument vector and splitting it gives the same
// vector; a program joined with its arguments is read back as that program with those arguments.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/process/CommandLine.h"

namespace process = platform::process;

namespace {

constexpr std::size_t kMaxArguments = 64;

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void ReadAnyText(std::string_view text) {
    process::SplitArguments(text);
    for (const process::ProgramCandidate& candidate : process::ProgramCandidates(text)) {
        process::ProgramFileName(candidate.program);
        process::SplitArguments(candidate.arguments);
    }
}

void QuotedArgumentsComeBack(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        line += line.empty() ? "" : " ";
        line += process::QuoteArgument(argument);
    }
    Require(process::SplitArguments(line) == arguments);
}

// A program path cannot hold a quote on the systems that read these lines.
void JoinedLineComesBack(std::string program, const std::vector<std::string>& arguments) {
    std::erase(program, '"');
    const std::string line = process::JoinCommandLine(program, arguments);
    const auto candidates = process::ProgramCandidates(line);
    Require(!candidates.empty());
    Require(candidates.front().program == program);
    Require(process::SplitArguments(candidates.front().arguments) == arguments);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadAnyText(std::string_view(reinterpret_cast<const char*>(data), size));
    FuzzedDataProvider in(data, size);
    const std::string program = in.ConsumeRandomLengthString(256);
    std::vector<std::string> arguments;
    while (in.remaining_bytes() > 0 && arguments.size() < kMaxArguments) {
        arguments.push_back(in.ConsumeRandomLengthString(256));
    }
    QuotedArgumentsComeBack(arguments);
    JoinedLineComesBack(program, arguments);
    return 0;
}
