#include "launch/system/SystemLaunchServices.h"

#include "platform/inet/Inet.h"

SystemLaunchServices::SystemLaunchServices(platform::SystemPlatform& platform)
    : services_{platform.processes(), platform.internet(),  platform::inet::ConfiguredSites(),
                platform.browser(),   platform.processor(), devices_} {
    SetLaunchServices(&services_);
}

SystemLaunchServices::~SystemLaunchServices() {
    SetLaunchServices(nullptr);
}
