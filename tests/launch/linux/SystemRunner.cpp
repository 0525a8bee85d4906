#include "tests/launch/SystemRunner.h"

#include "platform/process/linux/PosixProcessRunner.h"

namespace launch_test {

std::unique_ptr<platform::process::ProcessRunner> MakeSystemRunner(
    const std::string& installFolder) {
    return std::make_unique<platform::process::PosixProcessRunner>(installFolder);
}

}  // namespace launch_test
