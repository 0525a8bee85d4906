// A helper for the crash and contention tests: writes (or, with --read, checks) the values
// PREFIX<i> for i from START on, COUNT of them (0: until killed), each of SIZE bytes, in
// HKEY_LOCAL_MACHINE\SOFTWARE\Writer. Prints "ok <i>" once a write has returned success, and
// "failed <i>" (exit status 3) at the first failure.
//   registry_writer [--read] [--as-nobody] [--file-limit BYTES] PREFIX START COUNT SIZE
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/platform/registry/RegistryTestSupport.h"

namespace {

using namespace platform::registry;

constexpr int kFailed = 3;
constexpr uid_t kNobody = 65534;

struct Options {
    bool read = false;
    bool asNobody = false;
    long long fileLimit = 0;
    std::string prefix;
    long long start = 0;
    long long count = 0;
    std::size_t size = 0;
};

bool Parse(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        const std::string_view flag = argv[i];
        if (flag == "--read") {
            options.read = true;
        } else if (flag == "--as-nobody") {
            options.asNobody = true;
        } else if (flag == "--file-limit" && i + 1 < argc) {
            options.fileLimit = std::atoll(argv[++i]);
        } else {
            return false;
        }
    }
    if (argc - i != 4) {
        return false;
    }
    options.prefix = argv[i];
    options.start = std::atoll(argv[i + 1]);
    options.count = std::atoll(argv[i + 2]);
    options.size = static_cast<std::size_t>(std::atoll(argv[i + 3]));
    return true;
}

// Makes the store unwritable the way the tests need: a file size limit stands in for a full
// disk, and a root test runs as nobody so that file permissions apply.
void Restrict(const Options& options) {
    if (options.fileLimit > 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(options.fileLimit),
                           static_cast<rlim_t>(options.fileLimit)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (options.asNobody && ::geteuid() == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            std::exit(kFailed);
        }
    }
}

void Say(const char* what, long long index) {
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%s %lld\n", what, index);
    // Straight to the descriptor: a line printed is a line the test can see after a SIGKILL.
    if (::write(STDOUT_FILENO, line, length) != length) {
        std::exit(kFailed);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fputs(
            "usage: registry_writer [--read] [--as-nobody] [--file-limit BYTES] "
            "PREFIX START COUNT SIZE\n",
            stderr);
        return 2;
    }
    Restrict(options);
    for (long long i = options.start; options.count == 0 || i < options.start + options.count;
         ++i) {
        const std::string name = options.prefix + std::to_string(i);
        const std::string data = test::WriterData(i, options.size);
        const bool done =
            options.read
                ? test::ReadBack(Root::LocalMachine, test::kWriterKey, name) == test::Bytes(data)
                : test::Write(Root::LocalMachine, test::kWriterKey, name, ValueType::Binary, data);
        if (!done) {
            Say("failed", i);
            return kFailed;
        }
        Say("ok", i);
    }
    return 0;
}
