#include "tests/launch/SystemServices.h"

#include "platform/inet/win32/SystemInternet.h"
#include "platform/process/win32/SystemProcessRunner.h"

namespace launch_test {

// Windows looks in the starting program's own folder first, which holds no stand-in, and then in
// the current folder: the installation folder while a test runs.
std::unique_ptr<platform::process::ProcessRunner> MakeSystemRunner(const std::string&) {
    return std::make_unique<platform::process::SystemProcessRunner>();
}

std::unique_ptr<platform::inet::Internet> MakeSystemInternet() {
    return std::make_unique<platform::inet::SystemInternet>();
}

const std::string_view kSystemInternetMethod = "GET";

}  // namespace launch_test
