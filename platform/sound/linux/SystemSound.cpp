#include "platform/sound/linux/SystemSound.h"

#include <cstdlib>
#include <string_view>

#include "platform/sound/linux/SdlSound.h"

namespace platform::sound {

namespace {
bool SoundsGoNowhere() {
    const char* audio = std::getenv("VELORIN_AUDIO");
    return audio != nullptr && std::string_view(audio) == "loopback";
}
}  // namespace

SystemSound::SystemSound() {
    if (!SoundsGoNowhere()) {
        backend_ = std::make_unique<SdlSound>();
    }
    SetSoundBackend(backend_.get());
}

SystemSound::~SystemSound() {
    SetSoundBackend(nullptr);
}

}  // namespace platform::sound
