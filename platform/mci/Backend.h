#pragma once
// What each platform's backend (linux/ or win32/, chosen by the build) gives the layer: the CD
// drive at a location (VELORIN_CD's value when it names no CUE sheet, empty for the default drive)
// and the wave-audio device. Null when the device cannot be opened; a location that is no drive
// is refused with one line of debug output, without waiting on it.
#include <memory>
#include <string>

#include "platform/mci/Mci.h"

namespace platform::mci::backend {

std::unique_ptr<CdDevice> OpenCdDrive(const std::string& location);
std::unique_ptr<WaveDevice> OpenWaveDevice();

}  // namespace platform::mci::backend
