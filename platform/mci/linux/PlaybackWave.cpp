// The wave-audio device is the sound card's playback side, whichever audio backend is in use.
#include "platform/dsound/DirectSound.h"
#include "platform/mci/Backend.h"

namespace platform::mci::backend {

namespace {

class PlaybackWaveDevice : public WaveDevice {
  public:
    explicit PlaybackWaveDevice(std::unique_ptr<dsound::Playback> playback)
        : playback_(std::move(playback)) {}

  private:
    std::unique_ptr<dsound::Playback> playback_;
};

}  // namespace

std::unique_ptr<WaveDevice> OpenWaveDevice() {
    auto playback = dsound::CreatePlayback();
    if (playback == nullptr) {
        return nullptr;
    }
    return std::make_unique<PlaybackWaveDevice>(std::move(playback));
}

}  // namespace platform::mci::backend
