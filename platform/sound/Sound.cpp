#include "platform/sound/Sound.h"

namespace platform::sound {

namespace {
SoundBackend* g_backend = nullptr;
}  // namespace

void SetSoundBackend(SoundBackend* backend) {
    g_backend = backend;
}

bool PlaySound(const char* fileName, SoundFlags flags) {
    if (g_backend == nullptr) {
        return false;
    }
    if (fileName == nullptr) {
        g_backend->Stop();
        return true;
    }
    return g_backend->Play(fileName, flags);
}

}  // namespace platform::sound
