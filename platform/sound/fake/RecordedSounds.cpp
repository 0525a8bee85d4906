#include "platform/sound/fake/RecordedSounds.h"

namespace platform::sound::fake {

RecordedSounds::RecordedSounds() {
    SetSoundBackend(this);
}
RecordedSounds::~RecordedSounds() {
    SetSoundBackend(nullptr);
}

bool RecordedSounds::Play(const std::string& fileName, SoundFlags flags) {
    requests_.push_back({fileName, flags});
    return true;
}

void RecordedSounds::Stop() {
    requests_.push_back({});
}

}  // namespace platform::sound::fake
