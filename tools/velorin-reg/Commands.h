#pragma once
// The tool's commands. Each returns the exit status: 0 done, 1 the key or value is not there,
// 2 bad usage, bad input or a store that cannot be opened, read or written (an import then kept
// nothing); the reason goes to err as one line.
#include <iosfwd>
#include <span>
#include <string_view>

namespace regtool {

enum ExitStatus { kDone = 0, kNotThere = 1, kFailed = 2 };

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// args are the words after the program's name.
int RunCommand(std::span<const std::string_view> args, Streams streams);

}  // namespace regtool
