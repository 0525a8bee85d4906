#pragma once
// The real sound card through DirectSound: the default playback device and the default capture
// device (under Wine, the sound server's default sink and source).
#include "platform/dsound/DirectSound.h"

namespace platform::dsound::win32_backend {

class SystemAudio : public AudioSystem {
  public:
    std::unique_ptr<Playback> CreatePlayback() override;
    std::unique_ptr<Capture> CreateCapture() override;
    std::unique_ptr<OutputStream> OpenOutputStream() override;
};

}  // namespace platform::dsound::win32_backend
