#include "tests/launch/SystemRunner.h"

#include "platform/process/win32/CreateProcessRunner.h"

namespace launch_test {

// Windows looks in the starting program's own folder first, which holds no stand-in, and then in
// the current folder: the installation folder while a test runs.
std::unique_ptr<platform::process::ProcessRunner> MakeSystemRunner(const std::string&) {
    return std::make_unique<platform::process::CreateProcessRunner>();
}

}  // namespace launch_test
