#include "platform/mci/Mci.h"

#include <cstdlib>
#include <mutex>

#include "platform/mci/Backend.h"
#include "platform/mci/cue/CueImage.h"

namespace platform::mci {

namespace {

std::mutex g_choiceLock;
std::optional<std::string> g_cdLocation;
CdOpener g_cdOpener;

std::string CdLocation() {
    if (g_cdLocation.has_value()) {
        return *g_cdLocation;
    }
    const char* variable = std::getenv("VELORIN_CD");
    return variable != nullptr ? variable : "";
}

}  // namespace

std::unique_ptr<CdDevice> OpenCdAudio() {
    std::string location;
    {
        std::lock_guard guard(g_choiceLock);
        if (g_cdOpener) {
            return g_cdOpener();
        }
        location = CdLocation();
    }
    // Images are ours to read on every platform: a system's image readers trust what they read.
    if (cue::IsCueSheetName(location)) {
        return cue::OpenCueImage(location);
    }
    return backend::OpenCdDrive(location);
}

std::unique_ptr<WaveDevice> OpenWaveAudio() {
    return backend::OpenWaveDevice();
}

bool CanOpen(DeviceType type) {
    switch (type) {
        case DeviceType::CdAudio:
            return OpenCdAudio() != nullptr;
        case DeviceType::WaveAudio:
            return OpenWaveAudio() != nullptr;
    }
    return false;
}

void SetCdLocation(std::optional<std::string> location) {
    std::lock_guard guard(g_choiceLock);
    g_cdLocation = std::move(location);
}

void SetCdOpener(CdOpener opener) {
    std::lock_guard guard(g_choiceLock);
    g_cdOpener = std::move(opener);
}

}  // namespace platform::mci
