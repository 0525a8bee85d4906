#include "tools/common/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>

namespace tools {

namespace {

// The cause of the first write to standard output that failed: errno keeps it only until the next
// call, and a message naming no cause ("write error") hides a full disk.
int g_firstError = 0;

void Remember() {
    if (g_firstError == 0) {
        g_firstError = errno != 0 ? errno : EIO;
    }
}

// Writes through stdio, as std::cout does, and remembers why a write failed.
class RememberingBuffer : public std::streambuf {
  protected:
    int overflow(int c) override {
        if (c == traits_type::eof()) {
            return 0;
        }
        const char one = traits_type::to_char_type(c);
        return xsputn(&one, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        const std::size_t size = static_cast<std::size_t>(count);
        const std::size_t written = std::fwrite(text, 1, size, stdout);
        if (written != size) {
            Remember();
        }
        return static_cast<std::streamsize>(written);
    }
    int sync() override {
        if (std::fflush(stdout) == 0) {
            return 0;
        }
        Remember();
        return -1;
    }
};

}  // namespace

std::ostream& StandardOutput() {
    static RememberingBuffer buffer;
    static std::ostream stream(&buffer);
    return stream;
}

bool StandardOutputWritten(const char* program) {
    StandardOutput().flush();
    std::cout.flush();
    // What printf could not write is still in stdio's buffer: writing it again names the cause.
    const bool failedBefore = g_firstError != 0 || !std::cout.good() || std::ferror(stdout);
    std::clearerr(stdout);
    errno = 0;
    const bool written = std::fflush(stdout) == 0 && !failedBefore;
    if (!written) {
        Remember();
        std::fprintf(stderr, "%s: cannot write the output: %s\n", program,
                     std::strerror(g_firstError));
    }
    return written;
}

}  // namespace tools
