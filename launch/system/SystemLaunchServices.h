#pragma once
// The real services of the launch flows, installed for the launcher's lifetime: the platform's
// process runner, Internet check, browser and processor, and the CD and sound-card opens of the
// media layer.
#include "launch/LaunchServices.h"
#include "launch/system/MciDeviceProbe.h"
#include "platform/system/SystemPlatform.h"

class SystemLaunchServices {
  public:
    explicit SystemLaunchServices(platform::SystemPlatform& platform);
    ~SystemLaunchServices();
    SystemLaunchServices(const SystemLaunchServices&) = delete;
    SystemLaunchServices& operator=(const SystemLaunchServices&) = delete;

  private:
    MciDeviceProbe devices_;
    LaunchServices services_;
};
