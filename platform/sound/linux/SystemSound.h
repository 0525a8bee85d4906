#pragma once
// The launcher's sound backend, chosen once at start-up and installed for PlaySound while alive:
// SDL2 audio, or nothing at all when VELORIN_AUDIO is "loopback" (the virtual devices, where
// sounds go nowhere).
#include <memory>

#include "platform/sound/Sound.h"

namespace platform::sound {

class SystemSound {
  public:
    SystemSound();
    ~SystemSound();
    SystemSound(const SystemSound&) = delete;
    SystemSound& operator=(const SystemSound&) = delete;

  private:
    std::unique_ptr<SoundBackend> backend_;
};

}  // namespace platform::sound
