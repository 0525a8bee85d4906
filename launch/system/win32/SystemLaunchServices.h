#pragma once
// The real services of the launch flows on Windows, installed for the launcher's lifetime:
// CreateProcess, WinINet, ShellExecute, CPUID, and the CD and sound-card opens of the media
// layer.
#include "launch/LaunchServices.h"
#include "launch/system/MciDeviceProbe.h"
#include "platform/cpu/linux/CpuidProcessor.h"
#include "platform/inet/win32/WinInetInternet.h"
#include "platform/process/win32/CreateProcessRunner.h"
#include "platform/shell/win32/ShellExecuteBrowser.h"

class SystemLaunchServices {
  public:
    // The pump runs while the launcher waits for a program it started (see WaitPump).
    explicit SystemLaunchServices(platform::process::WaitPump pump = {});
    ~SystemLaunchServices();
    SystemLaunchServices(const SystemLaunchServices&) = delete;
    SystemLaunchServices& operator=(const SystemLaunchServices&) = delete;

  private:
    platform::process::CreateProcessRunner processes_;
    platform::inet::WinInetInternet internet_;
    platform::shell::ShellExecuteBrowser browser_;
    platform::cpu::CpuidProcessor processor_;
    MciDeviceProbe devices_;
    LaunchServices services_;
};
