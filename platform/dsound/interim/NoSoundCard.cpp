// Interim, for the Windows build until its DirectSound backend exists: the default backend's
// entry point gives no device, so the layer's factory and the loopback card build and run there,
// and a program without VELORIN_AUDIO=loopback simply finds no sound card.
#include "platform/dsound/linux/SdlAudio.h"

namespace platform::dsound::linux_backend {

std::unique_ptr<Playback> SdlAudioSystem::CreatePlayback() {
    return nullptr;
}

std::unique_ptr<Capture> SdlAudioSystem::CreateCapture() {
    return nullptr;
}

std::unique_ptr<OutputStream> SdlAudioSystem::OpenOutputStream() {
    return nullptr;
}

}  // namespace platform::dsound::linux_backend
