#include "tests/support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <thread>

extern char** environ;

namespace testing_support {
namespace {

constexpr auto kPollPeriod = std::chrono::milliseconds(20);

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) == 0) {
            read = fds[0];
            write = fds[1];
        }
    }
};

// Starts argv with the given descriptors as its standard input, output and error.
pid_t Spawn(const std::vector<std::string>& argv, std::array<int, 3> fds) {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int target = 0; target < 3; ++target) {
        if (fds[target] != target) {
            posix_spawn_file_actions_adddup2(&actions, fds[target], target);
        }
    }
    pid_t pid = -1;
    if (::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int StatusOf(int status) {
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return StatusOf(status);
}

// Feeds input and collects both outputs until the program closes them.
void Exchange(int in, std::string_view input, int out, int err, ProgramResult& result) {
    std::array<pollfd, 3> fds = {pollfd{out, POLLIN, 0}, pollfd{err, POLLIN, 0},
                                 pollfd{input.empty() ? -1 : in, POLLOUT, 0}};
    std::array<std::string*, 2> sinks = {&result.out, &result.err};
    if (input.empty()) {
        ::close(in);
    }
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            char buffer[4096];
            if (fds[i].fd >= 0 && fds[i].revents != 0) {
                const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
                if (got > 0) {
                    sinks[i]->append(buffer, got);
                } else {
                    ::close(fds[i].fd);
                    fds[i].fd = -1;
                }
            }
        }
        if (fds[2].fd >= 0 && fds[2].revents != 0) {
            const ssize_t put = ::write(in, input.data(), input.size());
            input.remove_prefix(put > 0 ? put : input.size());
            if (input.empty()) {
                ::close(in);
                fds[2].fd = -1;
            }
        }
    }
}

}  // namespace

ProgramResult RunProgram(const std::vector<std::string>& argv, std::string_view input) {
    ::signal(SIGPIPE, SIG_IGN);  // a program that stops reading its input must not end the test
    Pipe in, out, err;
    ProgramResult result;
    const pid_t pid = Spawn(argv, {in.read, out.write, err.write});
    ::close(in.read);
    ::close(out.write);
    ::close(err.write);
    Exchange(in.write, input, out.read, err.read, result);
    result.status = pid > 0 ? WaitFor(pid) : -1;
    return result;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, Output output) {
    Pipe out;
    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    const int to = output == Output::Captured ? out.write : STDOUT_FILENO;
    pid_ = Spawn(argv, {devNull, to, STDERR_FILENO});
    ::close(devNull);
    ::close(out.write);
    out_ = out.read;
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        Kill(SIGKILL);
        Wait();
    }
    ::close(out_);
}

bool ChildProcess::ReadLine(std::string& line) {
    for (;;) {
        if (const auto end = pending_.find('\n'); end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        char buffer[4096];
        const ssize_t got = ::read(out_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        pending_.append(buffer, got);
    }
}

void ChildProcess::Kill(int signal) {
    if (pid_ > 0) {
        ::kill(pid_, signal);
    }
}

int ChildProcess::Wait() {
    const int status = pid_ > 0 ? WaitFor(pid_) : -1;
    pid_ = -1;
    return status;
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (pid_ > 0) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return StatusOf(status);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(kPollPeriod);
    }
    return std::nullopt;
}

}  // namespace testing_support
