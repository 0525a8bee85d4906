// For the tools' tests: runs a program with its standard output going to a file (such as
// /dev/full), where the test harness would otherwise give it a pipe.
//   output_to FILE PROGRAM [ARGUMENT ...]
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: output_to FILE PROGRAM [ARGUMENT ...]\n", stderr);
        return 2;
    }
    const int file = ::open(argv[1], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0 || ::dup2(file, STDOUT_FILENO) < 0) {
        std::perror(argv[1]);
        return 2;
    }
    ::execv(argv[2], argv + 2);
    std::perror(argv[2]);
    return 2;
}
