#pragma once
// A sound ready for an audio device: its format and its samples, owned.
#include <SDL.h>

#include <string>
#include <vector>

namespace platform::sound {

struct Clip {
    SDL_AudioSpec format{};  // freq, format and channels of the samples
    std::vector<Uint8> samples;
};

// Reads a WAVE file; false when it is missing or not a WAVE SDL can read.
bool LoadClip(const std::string& path, Clip& out);

// The short beep played in place of a sound whose file is missing.
Clip DefaultBeep();

}  // namespace platform::sound
