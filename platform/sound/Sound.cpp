#include "platform/sound/Sound.h"

#include "platform/debug/EmptySlot.h"

namespace platform::sound {

namespace {
SoundBackend* g_backend = nullptr;

class Silence final : public SoundBackend {
  public:
    bool Play(const std::string& /*fileName*/, SoundFlags /*flags*/) override { return false; }
    void Stop() override {}
};
}  // namespace

std::unique_ptr<SoundBackend> CreateSilence() {
    return std::make_unique<Silence>();
}

void SetSoundBackend(SoundBackend* backend) {
    g_backend = backend;
}

bool PlaySound(const char* fileName, SoundFlags flags) {
    if (g_backend == nullptr) {
        debug::ReportEmptySlot("sound backend");
        return false;
    }
    if (fileName == nullptr) {
        g_backend->Stop();
        return true;
    }
    return g_backend->Play(fileName, flags);
}

}  // namespace platform::sound
