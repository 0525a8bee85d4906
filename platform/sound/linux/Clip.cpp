#include "platform/sound/linux/Clip.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace platform::sound {

namespace {
constexpr int kBeepRate = 22050;           // samples per second
constexpr double kBeepSeconds = 0.2;       // long enough to hear, short enough for a click
constexpr double kBeepHertz = 880.0;       // a clear A, well inside any speaker's range
constexpr double kBeepAmplitude = 0.3;     // of full scale: audible, not startling
constexpr double kBeepFadeSeconds = 0.01;  // ramps at both ends keep the edges from clicking
}  // namespace

bool LoadClip(const std::string& path, Clip& out) {
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &out.format, &buffer, &length) == nullptr) {
        return false;
    }
    out.samples.assign(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    return true;
}

Clip DefaultBeep() {
    Clip beep;
    beep.format.freq = kBeepRate;
    beep.format.format = AUDIO_S16SYS;
    beep.format.channels = 1;
    const int count = static_cast<int>(kBeepRate * kBeepSeconds);
    const int fade = static_cast<int>(kBeepRate * kBeepFadeSeconds);
    beep.samples.resize(static_cast<std::size_t>(count) * sizeof(std::int16_t));
    auto* out = reinterpret_cast<std::int16_t*>(beep.samples.data());
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        const double phase = 2.0 * std::numbers::pi * kBeepHertz * i / kBeepRate;
        out[i] = static_cast<std::int16_t>(kBeepAmplitude * envelope * 32767.0 * std::sin(phase));
    }
    return beep;
}

}  // namespace platform::sound
