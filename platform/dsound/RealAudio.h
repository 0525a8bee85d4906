#pragma once
// The platform's real sound card, defined by the backend folder the build picks (linux/ or
// win32/): the name VELORIN_AUDIO gives it, and its creation.
#include <memory>
#include <string_view>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound {

extern const std::string_view kRealAudioName;
std::unique_ptr<AudioSystem> CreateRealAudioSystem();

}  // namespace platform::dsound
