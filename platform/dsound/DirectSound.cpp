#include "platform/dsound/DirectSound.h"

#include <cstdlib>
#include <mutex>
#include <string_view>

#include "platform/dsound/RealAudio.h"
#include "platform/dsound/loopback/Loopback.h"

namespace platform::dsound {

namespace {

struct Backend {
    std::string_view name;
    std::unique_ptr<AudioSystem> (*create)();
};

// The first entry is the default, also for a name nobody knows.
const Backend kBackends[] = {
    {kRealAudioName, CreateRealAudioSystem},
    {"loopback",
     []() -> std::unique_ptr<AudioSystem> {
         return std::make_unique<loopback::LoopbackAudioSystem>(
             loopback::LoopbackOptions::FromEnvironment());
     }},
};

std::string_view ChosenName() {
    const char* name = std::getenv("VELORIN_AUDIO");
    return name != nullptr ? std::string_view(name) : kBackends[0].name;
}

std::mutex g_choiceLock;
AudioSystem* g_override = nullptr;

AudioSystem& ChosenSystem() {
    std::lock_guard guard(g_choiceLock);
    if (g_override != nullptr) {
        return *g_override;
    }
    static const std::unique_ptr<AudioSystem> chosen = [] {
        for (const Backend& backend : kBackends) {
            if (backend.name == ChosenName()) {
                return backend.create();
            }
        }
        return kBackends[0].create();
    }();
    return *chosen;
}

}  // namespace

bool IsPcmBuffer(const CaptureBufferDesc& desc) {
    const WaveFormat* format = desc.format;
    return format != nullptr && format->formatTag == kFormatPcm && desc.bufferBytes > 0 &&
           (format->bitsPerSample == 8 || format->bitsPerSample == 16);
}

std::unique_ptr<Playback> CreatePlayback() {
    return ChosenSystem().CreatePlayback();
}

std::unique_ptr<Capture> CreateCapture() {
    return ChosenSystem().CreateCapture();
}

std::unique_ptr<OutputStream> OpenOutputStream() {
    return ChosenSystem().OpenOutputStream();
}

void SetAudioSystem(AudioSystem* system) {
    std::lock_guard guard(g_choiceLock);
    g_override = system;
}

}  // namespace platform::dsound
