#include "launch/system/SystemLaunchServices.h"

#include "platform/mci/Mci.h"

bool MciDeviceProbe::OpenCdAudio() {
    return platform::mci::CanOpen(platform::mci::DeviceType::CdAudio);
}

bool MciDeviceProbe::OpenWaveAudio() {
    return platform::mci::CanOpen(platform::mci::DeviceType::WaveAudio);
}

SystemLaunchServices::SystemLaunchServices()
    : services_{processes_, internet_,  platform::inet::ConfiguredSites(),
                browser_,   processor_, devices_} {
    SetLaunchServices(&services_);
}

SystemLaunchServices::~SystemLaunchServices() {
    SetLaunchServices(nullptr);
}
