#include "tests/launch/SystemServices.h"

#include "platform/inet/linux/CurlInternet.h"
#include "platform/process/linux/PosixProcessRunner.h"

namespace launch_test {

std::unique_ptr<platform::process::ProcessRunner> MakeSystemRunner(
    const std::string& installFolder) {
    return std::make_unique<platform::process::PosixProcessRunner>(installFolder);
}

std::unique_ptr<platform::inet::Internet> MakeSystemInternet() {
    return std::make_unique<platform::inet::CurlInternet>();
}

const std::string_view kSystemInternetMethod = "HEAD";

}  // namespace launch_test
