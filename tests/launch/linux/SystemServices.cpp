#include "tests/launch/SystemServices.h"

#include "platform/inet/linux/SystemInternet.h"
#include "platform/process/linux/SystemProcessRunner.h"

namespace launch_test {

std::unique_ptr<platform::process::ProcessRunner> MakeSystemRunner(
    const std::string& installFolder) {
    return std::make_unique<platform::process::SystemProcessRunner>(installFolder);
}

std::unique_ptr<platform::inet::Internet> MakeSystemInternet() {
    return std::make_unique<platform::inet::SystemInternet>();
}

const std::string_view kSystemInternetMethod = "HEAD";

}  // namespace launch_test
