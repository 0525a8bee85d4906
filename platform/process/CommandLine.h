#pragma once
// The Windows rules for a command line, kept apart from starting anything so they can be tested
// on their own: how the program's name is found in an unquoted line, how the rest is split into
// arguments, and how a file name of the Windows world maps to one of ours.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::process {

// One way to read a command line: the program's name as written, and the text after it.
struct ProgramCandidate {
    std::string program;
    std::string_view arguments;
};

// The readings to try, in order. A line that starts with a quote names its program inside the
// quotes. Otherwise every prefix that ends before a blank is a candidate, shortest first, so a
// folder or file name with blanks is still found; a prefix holding a quote is none.
std::vector<ProgramCandidate> ProgramCandidates(std::string_view commandLine);

// Splits arguments like the Windows C runtime: blanks and tabs separate them outside quotes,
// 2n backslashes before a quote give n backslashes and toggle quoting, 2n+1 give n and a quote,
// and two quotes inside quotes give one quote.
std::vector<std::string> SplitArguments(std::string_view arguments);

// Writes one argument so that SplitArguments gives it back unchanged; a plain word stays as is.
std::string QuoteArgument(std::string_view argument);

// The command line of a program started apart from its arguments, as the started program sees it:
// the program in quotes when it holds a blank (it cannot hold a quote), then each argument quoted.
// ProgramCandidates and SplitArguments read it back as the same program and arguments.
std::string JoinCommandLine(std::string_view program, std::span<const std::string> arguments);

// Our path for a folder named the Windows way: "\" becomes "/", so a stored folder ending in "\"
// is the folder its programs are found in.
std::string FolderName(std::string_view windowsName);

// Our file name for a program named the Windows way: its separators as in FolderName, and a final
// ".exe" (in any letter case) is dropped, since programs carry no extension here.
std::string ProgramFileName(std::string_view windowsName);

}  // namespace platform::process
