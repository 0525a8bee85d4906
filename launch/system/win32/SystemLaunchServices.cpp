#include "launch/system/win32/SystemLaunchServices.h"

SystemLaunchServices::SystemLaunchServices()
    : services_{processes_, internet_,  platform::inet::ConfiguredSites(),
                browser_,   processor_, devices_} {
    SetLaunchServices(&services_);
}

SystemLaunchServices::~SystemLaunchServices() {
    SetLaunchServices(nullptr);
}
