#include "platform/system/AudioChoice.h"

#include <cstdlib>
#include <string_view>

#include "platform/dsound/loopback/Loopback.h"

namespace platform {

namespace {

struct AudioBackend {
    std::string_view name;
    std::unique_ptr<dsound::AudioSystem> (*create)();
    bool heard;
};

std::unique_ptr<dsound::AudioSystem> CreateLoopback() {
    return std::make_unique<dsound::loopback::LoopbackAudioSystem>(
        dsound::loopback::LoopbackOptions::FromEnvironment());
}

// The first is the default.
const AudioBackend kAudioBackends[] = {
    {dsound::kSystemAudioName, dsound::CreateSystemAudio, true},
    {"loopback", CreateLoopback, false},
};

std::string Refusal(std::string_view name) {
    std::string text =
        "VELORIN_AUDIO names no sound card \"" + std::string(name) + "\"; there are:";
    for (const AudioBackend& backend : kAudioBackends) {
        text += " " + std::string(backend.name);
    }
    return text;
}

}  // namespace

AudioChoice ChooseAudio() {
    const char* variable = std::getenv("VELORIN_AUDIO");
    const std::string_view name = variable != nullptr ? variable : kAudioBackends[0].name;
    for (const AudioBackend& backend : kAudioBackends) {
        if (backend.name == name) {
            return {backend.create(), backend.heard, {}};
        }
    }
    return {nullptr, true, Refusal(name)};
}

}  // namespace platform
