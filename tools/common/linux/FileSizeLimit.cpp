#include <csignal>

#include "tools/common/StandardOutput.h"

namespace tools {

void ReportFileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace tools
