// The wave-audio device through the Media Control Interface, opened only to see that a sound
// card is there.
#include "platform/mci/Backend.h"
#include "platform/mci/win32/MciDevice.h"

namespace platform::mci::backend {

namespace {

class MciWaveDevice : public WaveDevice {
  public:
    explicit MciWaveDevice(win32::MciDevice device) : device_(std::move(device)) {}

  private:
    win32::MciDevice device_;
};

}  // namespace

std::unique_ptr<WaveDevice> OpenWaveDevice() {
    MCI_OPEN_PARMSA parameters{};
    parameters.lpstrDeviceType = "waveaudio";
    parameters.lpstrElementName = "";
    std::optional<win32::MciDevice> device =
        win32::MciDevice::Open(MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, parameters);
    if (!device.has_value()) {
        return nullptr;
    }
    return std::make_unique<MciWaveDevice>(std::move(*device));
}

}  // namespace platform::mci::backend
