#pragma once
// The sound card's line input, wired to what the CD drive plays: the virtual loopback capture
// reads it, the virtual disc connects itself to it.
#include <span>

namespace platform::dsound {

// Fills mono with the next samples (full scale -1..1) at sampleRate samples a second.
using LineInputSource = void (*)(std::span<float> mono, int sampleRate);

void ConnectLineInput(LineInputSource source);
// Silence when nothing is connected.
void ReadLineInput(std::span<float> mono, int sampleRate);

}  // namespace platform::dsound
