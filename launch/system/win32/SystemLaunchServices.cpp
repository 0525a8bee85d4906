#include "launch/system/win32/SystemLaunchServices.h"

#include <utility>

SystemLaunchServices::SystemLaunchServices(platform::process::WaitPump pump)
    : services_{processes_, internet_,  platform::inet::ConfiguredSites(),
                browser_,   processor_, devices_} {
    processes_.SetWaitPump(std::move(pump));
    SetLaunchServices(&services_);
}

SystemLaunchServices::~SystemLaunchServices() {
    SetLaunchServices(nullptr);
}
