#pragma once
// The real services of the launch flows, installed for the launcher's lifetime: the platform's
// process runner, Internet check and browser, CPUID, and the CD and sound-card opens of the media
// layer. Each platform names its three backends in launch/system/<platform>/SystemLaunchServices.h.
#include <utility>

#include "launch/LaunchServices.h"
#include "launch/system/MciDeviceProbe.h"
#include "platform/cpu/linux/CpuidProcessor.h"
#include "platform/inet/Inet.h"
#include "platform/process/WaitPump.h"

template <class ProcessRunner, class Internet, class Browser>
class SystemLaunchServicesOf {
  public:
    // The pump runs while the launcher waits for a program it started (see WaitPump).
    explicit SystemLaunchServicesOf(platform::process::WaitPump pump = {}) {
        processes_.SetWaitPump(std::move(pump));
        SetLaunchServices(&services_);
    }
    ~SystemLaunchServicesOf() { SetLaunchServices(nullptr); }
    SystemLaunchServicesOf(const SystemLaunchServicesOf&) = delete;
    SystemLaunchServicesOf& operator=(const SystemLaunchServicesOf&) = delete;

  private:
    ProcessRunner processes_;
    Internet internet_;
    Browser browser_;
    platform::cpu::CpuidProcessor processor_;
    MciDeviceProbe devices_;
    LaunchServices services_{processes_, internet_,  platform::inet::ConfiguredSites(),
                             browser_,   processor_, devices_};
};
