#include "launch/system/MciDeviceProbe.h"

#include "platform/mci/Mci.h"

bool MciDeviceProbe::OpenCdAudio() {
    return platform::mci::CanOpen(platform::mci::DeviceType::CdAudio);
}

bool MciDeviceProbe::OpenWaveAudio() {
    return platform::mci::CanOpen(platform::mci::DeviceType::WaveAudio);
}
