#pragma once
// What the loopback card plays goes to its own line input, as a sound server's monitor hears its
// output: the stream's samples wait in a short queue until the capture reads them, mixed down to
// mono at the capture's rate. While the stream feeds it, the line input waits for samples that
// are still to come rather than hear a gap, so the card loses nothing at any speed.
#include <memory>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound::loopback {

// Connects the stream to the line input for as long as it lives (the newest stream wins).
std::unique_ptr<OutputStream> OpenLoopbackStream();

}  // namespace platform::dsound::loopback
