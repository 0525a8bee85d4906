#include "tools/velorin-disc/RhythmTrack.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace disc {

namespace {

constexpr int kSampleRate = 44100;
constexpr double kKickHz = 60.0;     // the drum's pitch
constexpr double kKickDecay = 18.0;  // per second: a beat dies away in about a quarter second
constexpr double kHatDecay = 90.0;   // the off-beat tick is short
constexpr float kHatShare = 0.3f;    // off-beat loudness relative to the beat

float DrumSample(double time, const RhythmTrack& track) {
    const double beat = 60.0 / track.beatsPerMinute;
    const double sinceBeat = std::fmod(time, beat);
    const double sinceHalf = std::fmod(time + beat / 2.0, beat);
    const double kick =
        std::sin(2.0 * std::numbers::pi * kKickHz * sinceBeat) * std::exp(-kKickDecay * sinceBeat);
    // A cheap rattle: a high square-ish tone stands in for noise.
    const double hat = std::sin(2.0 * std::numbers::pi * 7000.0 * sinceHalf) > 0.0 ? 1.0 : -1.0;
    return track.loudness *
           static_cast<float>(kick + kHatShare * hat * std::exp(-kHatDecay * sinceHalf));
}

}  // namespace

void RenderRhythm(const RhythmTrack& track, std::int64_t firstFrame,
                  std::span<std::int16_t> samples) {
    for (std::size_t index = 0; index + 1 < samples.size(); index += 2) {
        const auto frame = firstFrame + static_cast<std::int64_t>(index / 2);
        const float value = DrumSample(static_cast<double>(frame) / kSampleRate, track);
        const auto sample =
            static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
        samples[index] = sample;
        samples[index + 1] = sample;
    }
}

}  // namespace disc
