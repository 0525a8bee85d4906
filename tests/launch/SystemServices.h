#pragma once
// The platform's real process and Internet backends, for the tests of the flows on them.
#include <memory>
#include <string>
#include <string_view>

#include "platform/inet/Inet.h"
#include "platform/process/Process.h"

namespace launch_test {

// A runner that looks for bare program names in installFolder before the current folder.
std::unique_ptr<platform::process::ProcessRunner> MakeSystemRunner(
    const std::string& installFolder);

std::unique_ptr<platform::inet::Internet> MakeSystemInternet();
// The request the Internet check sends: only the answer's head is asked for where the backend
// can say so; either way nothing of the page is read.
extern const std::string_view kSystemInternetMethod;

}  // namespace launch_test
