#pragma once
// The real services of the launch flows, installed for the launcher's lifetime: programs started
// with posix_spawn, the Internet check on libcurl, xdg-open, CPUID, and the CD and sound-card
// opens of the media layer.
#include "launch/LaunchServices.h"
#include "launch/system/MciDeviceProbe.h"
#include "platform/cpu/linux/CpuidProcessor.h"
#include "platform/inet/linux/CurlInternet.h"
#include "platform/process/linux/PosixProcessRunner.h"
#include "platform/shell/linux/XdgOpenBrowser.h"

class SystemLaunchServices {
  public:
    // The pump runs while the launcher waits for a program it started (see WaitPump).
    explicit SystemLaunchServices(platform::process::WaitPump pump = {});
    ~SystemLaunchServices();
    SystemLaunchServices(const SystemLaunchServices&) = delete;
    SystemLaunchServices& operator=(const SystemLaunchServices&) = delete;

  private:
    platform::process::PosixProcessRunner processes_;
    platform::inet::CurlInternet internet_;
    platform::shell::XdgOpenBrowser browser_;
    platform::cpu::CpuidProcessor processor_;
    MciDeviceProbe devices_;
    LaunchServices services_;
};
