#include "tools/common/StandardOutput.h"

#include <cstdio>
#include <cstring>
#include <iostream>

namespace tools {

bool StandardOutputWritten(const char* program) {
    errno = 0;
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written) {
        const int error = errno;
        std::fprintf(stderr, "%s: cannot write the output: %s\n", program,
                     error != 0 ? std::strerror(error) : "write error");
    }
    return written;
}

}  // namespace tools
