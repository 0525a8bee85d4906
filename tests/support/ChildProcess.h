#pragma once
// Programs run from tests: started with an argument vector (never a shell), their output captured
// through pipes or shared with the test's own.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct ProgramResult {
    int status = -1;  // the exit status, or 128 + the signal that ended the program
    std::string out;
    std::string err;
};

// Runs argv[0] (a path, or a name looked up in PATH) with input on its standard input and waits
// for it to end.
ProgramResult RunProgram(const std::vector<std::string>& argv, std::string_view input = {});

// A running program, killed and reaped on destruction if it still runs.
class ChildProcess {
  public:
    // Where its standard output goes: a pipe read with ReadLine, or the test's own output.
    enum class Output { Captured, Shared };

    explicit ChildProcess(const std::vector<std::string>& argv, Output output = Output::Captured);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // The next line of output without its line feed; false once the output has ended.
    bool ReadLine(std::string& line);
    void Kill(int signal);
    // Waits for the program to end; its status as in ProgramResult.
    int Wait();
    // Its status once it ended, or nothing while it still runs after timeout.
    std::optional<int> Wait(std::chrono::milliseconds timeout);

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
};

}  // namespace testing_support
