#include "tests/e2e/Child.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace velorin::test {

namespace {

constexpr int kDisplayFd = 3;
constexpr auto kPollPeriod = std::chrono::milliseconds(20);

std::vector<char*> ArgumentVector(const std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    for (const std::string& argument : argv) {
        pointers.push_back(const_cast<char*>(argument.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Reads up to the end, or up to the first line break when untilNewline is set.
std::string ReadAll(int fd, bool untilNewline = false) {
    std::string text;
    std::array<char, 256> chunk;
    ssize_t got = 0;
    while ((got = read(fd, chunk.data(), chunk.size())) > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(got));
        if (untilNewline && text.find('\n') != std::string::npos) {
            break;
        }
    }
    return text;
}

}  // namespace

Child::Child(const std::vector<std::string>& argv, int fromFd, int toFd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (fromFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, fromFd, toFd);
    }
    std::vector<char*> arguments = ArgumentVector(argv);
    if (posix_spawnp(&pid_, arguments[0], &actions, nullptr, arguments.data(), environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
}

Child::~Child() {
    if (Started() && !reaped_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::optional<int> Child::Wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Started() && !reaped_) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            reaped_ = true;
            return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(kPollPeriod);
    }
    return std::nullopt;
}

std::string OutputOf(const std::vector<std::string>& argv) {
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_CLOEXEC) != 0) {
        return {};
    }
    std::string output;
    {
        Child child(argv, fds[1]);
        close(fds[1]);
        output = ReadAll(fds[0]);
        child.Wait(std::chrono::seconds(30));
    }
    close(fds[0]);
    return output;
}

VirtualDisplay::VirtualDisplay(int width, int height) {
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_CLOEXEC) != 0) {
        return;
    }
    // The server writes its display number to kDisplayFd once it accepts connections.
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(kDisplayFd),
                                             "-screen", "0", screen, "-nolisten", "tcp"},
                    fds[1], kDisplayFd);
    close(fds[1]);
    std::string number = server_->Started() ? ReadAll(fds[0], true) : std::string();
    close(fds[0]);
    while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) {
        number.pop_back();
    }
    if (number.empty()) {
        return;
    }
    if (const char* old = std::getenv("DISPLAY")) {
        previous_ = old;
    }
    name_ = ":" + number;
    setenv("DISPLAY", name_.c_str(), 1);
}

VirtualDisplay::~VirtualDisplay() {
    if (previous_) {
        setenv("DISPLAY", previous_->c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}

}  // namespace velorin::test
