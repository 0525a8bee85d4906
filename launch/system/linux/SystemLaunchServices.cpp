#include "launch/system/SystemLaunchServices.h"

#include <utility>

#include "platform/mci/Mci.h"

bool MciDeviceProbe::OpenCdAudio() {
    return platform::mci::CanOpen(platform::mci::DeviceType::CdAudio);
}

bool MciDeviceProbe::OpenWaveAudio() {
    return platform::mci::CanOpen(platform::mci::DeviceType::WaveAudio);
}

SystemLaunchServices::SystemLaunchServices(platform::process::WaitPump pump)
    : services_{processes_, internet_,  platform::inet::ConfiguredSites(),
                browser_,   processor_, devices_} {
    processes_.SetWaitPump(std::move(pump));
    SetLaunchServices(&services_);
}

SystemLaunchServices::~SystemLaunchServices() {
    SetLaunchServices(nullptr);
}
