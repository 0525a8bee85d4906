#pragma once
// The launcher reads no command line of its own, but answers the two questions every program
// answers: --help and --version. Portable, so that each platform's main asks it first.
#include <optional>
#include <string>

namespace launcher {

// The text to print when an argument is --help or --version (the first such one wins), after
// which the program ends; nothing when the launcher should start. Every other argument is
// ignored.
std::optional<std::string> AnswerCommandLine(int argc, const char* const* argv);

// Writes the answer to standard output; the exit status: 0, or 1 when it could not be written.
int PrintAnswer(const std::string& answer);

}  // namespace launcher
