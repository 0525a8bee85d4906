#pragma once
// On Linux: programs started with posix_spawn, the Internet check on libcurl, xdg-open.
#include "launch/system/SystemLaunchServicesOf.h"
#include "platform/inet/linux/CurlInternet.h"
#include "platform/process/linux/PosixProcessRunner.h"
#include "platform/shell/linux/XdgOpenBrowser.h"

using SystemLaunchServices =
    SystemLaunchServicesOf<platform::process::PosixProcessRunner, platform::inet::CurlInternet,
                           platform::shell::XdgOpenBrowser>;
