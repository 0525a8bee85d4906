#pragma once
// Built programs run from tests: started with an argument vector (never a shell), their output
// captured through pipes.
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct ProgramResult {
    int status = -1;  // the exit status, or 128 + the signal that ended the program
    std::string out;
    std::string err;
};

// Runs argv[0] (a path) with input on its standard input and waits for it to end.
ProgramResult RunProgram(const std::vector<std::string>& argv, std::string_view input = {});

// A running program whose standard output is read line by line; killed and reaped on destruction.
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // The next line of output without its line feed; false once the output has ended.
    bool ReadLine(std::string& line);
    void Kill(int signal);
    // Waits for the program to end; its status as in ProgramResult.
    int Wait();

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
};

}  // namespace testing_support
