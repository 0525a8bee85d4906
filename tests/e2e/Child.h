#pragma once
// Programs a test starts from an argument vector (never through a shell), ended when the object
// goes if they still run.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace velorin::test {

class Child {
  public:
    // Starts argv[0] (looked up in PATH); fromFd, when not -1, becomes the child's toFd.
    explicit Child(const std::vector<std::string>& argv, int fromFd = -1, int toFd = 1);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // The exit status, or nothing when the program still runs after timeout (or was signalled).
    std::optional<int> Wait(std::chrono::milliseconds timeout);

  private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

// Runs the program to its end and returns what it wrote to its standard output.
std::string OutputOf(const std::vector<std::string>& argv);

// A virtual X screen of its own for as long as the object lives; DISPLAY names it meanwhile.
class VirtualDisplay {
  public:
    VirtualDisplay(int width, int height);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    bool Ready() const { return !name_.empty(); }

  private:
    std::optional<Child> server_;
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace velorin::test
