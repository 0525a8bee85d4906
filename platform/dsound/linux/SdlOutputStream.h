#pragma once
// CD audio to SDL's default playback device, queued from the feeding thread.
#include <memory>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound::linux_backend {

// Null when the device cannot be opened.
std::unique_ptr<OutputStream> OpenSdlOutputStream();

}  // namespace platform::dsound::linux_backend
