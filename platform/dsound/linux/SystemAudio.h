#pragma once
// The real sound card through SDL2: its default playback device and its default recording device
// (on a desktop, the sound server's default sink and source).
// SDL converts from the device's own format, so every mono format is accepted.
#include "platform/dsound/DirectSound.h"

namespace platform::dsound::linux_backend {

class SystemAudio : public AudioSystem {
  public:
    std::unique_ptr<Playback> CreatePlayback() override;
    std::unique_ptr<Capture> CreateCapture() override;
    std::unique_ptr<OutputStream> OpenOutputStream() override;
    std::string_view NothingHeardHint() const override;
};

}  // namespace platform::dsound::linux_backend
