#pragma once
// The virtual sound card's line input: what its capture hears. The loopback's playback stream
// connects itself to it; tests connect signals of their own.
#include <span>

namespace platform::dsound {

// Fills mono with the next samples (full scale -1..1) at sampleRate samples a second.
using LineInputSource = void (*)(std::span<float> mono, int sampleRate);

void ConnectLineInput(LineInputSource source);
// Disconnects source if it is the one connected.
void DisconnectLineInput(LineInputSource source);
// Silence when nothing is connected.
void ReadLineInput(std::span<float> mono, int sampleRate);

}  // namespace platform::dsound
