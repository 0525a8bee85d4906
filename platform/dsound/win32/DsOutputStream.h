#pragma once
// CD audio to DirectSound's default playback device, written ahead of the play cursor in a
// looping secondary buffer from the feeding thread.
#include <memory>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound::win32_backend {

// Null when the device cannot be opened.
std::unique_ptr<OutputStream> OpenDsOutputStream();

}  // namespace platform::dsound::win32_backend
