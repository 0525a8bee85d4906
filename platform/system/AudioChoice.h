#pragma once
// The sound card VELORIN_AUDIO names: the platform's own (the default) or the in-process loopback.
#include <memory>
#include <string>

#include "platform/dsound/DirectSound.h"

namespace platform {

struct AudioChoice {
    std::unique_ptr<dsound::AudioSystem> card;  // null when the name is unknown
    bool heard = true;                          // false for a card whose output no person hears
    std::string refusal;  // why there is no card: the unknown name and the names there are
};

AudioChoice ChooseAudio();

}  // namespace platform
