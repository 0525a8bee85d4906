#pragma once
// Sounds with the system's own PlaySound. Windows plays its default sound for a file it cannot
// find, as the other backends play their beep.
#include "platform/sound/Sound.h"

namespace platform::sound {

class SystemSound final : public SoundBackend {
  public:
    bool Play(const std::string& fileName, SoundFlags flags) override;
    void Stop() override;
};

}  // namespace platform::sound
