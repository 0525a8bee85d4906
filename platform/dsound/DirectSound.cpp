#include "platform/dsound/DirectSound.h"

#include <mutex>
#include <string_view>

#include "platform/debug/EmptySlot.h"

namespace platform::dsound {

namespace {

std::mutex g_lock;
AudioSystem* g_system = nullptr;

AudioSystem* Installed() {
    std::lock_guard guard(g_lock);
    if (g_system == nullptr) {
        debug::ReportEmptySlot("sound card");
    }
    return g_system;
}

}  // namespace

bool IsPcmBuffer(const CaptureBufferDesc& desc) {
    const WaveFormat* format = desc.format;
    return format != nullptr && format->formatTag == kFormatPcm && desc.bufferBytes > 0 &&
           (format->bitsPerSample == 8 || format->bitsPerSample == 16);
}

std::unique_ptr<Playback> CreatePlayback() {
    AudioSystem* system = Installed();
    return system != nullptr ? system->CreatePlayback() : nullptr;
}

std::unique_ptr<Capture> CreateCapture() {
    AudioSystem* system = Installed();
    return system != nullptr ? system->CreateCapture() : nullptr;
}

std::unique_ptr<OutputStream> OpenOutputStream() {
    AudioSystem* system = Installed();
    return system != nullptr ? system->OpenOutputStream() : nullptr;
}

std::string_view NothingHeardHint() {
    AudioSystem* system = Installed();
    return system != nullptr ? system->NothingHeardHint() : std::string_view();
}

void SetAudioSystem(AudioSystem* system) {
    std::lock_guard guard(g_lock);
    g_system = system;
}

}  // namespace platform::dsound
