#pragma once
// The platform's real process backend, for the end-to-end tests of the flows.
#include <memory>
#include <string>

#include "platform/process/Process.h"

namespace launch_test {

// A runner that looks for bare program names in installFolder before the current folder.
std::unique_ptr<platform::process::ProcessRunner> MakeSystemRunner(
    const std::string& installFolder);

}  // namespace launch_test
