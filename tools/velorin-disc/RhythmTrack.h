#pragma once
// Audio-CD tracks of our own: a steady drum pattern, so that the audio test has something loud to
// hear and the beat estimator a tempo to find.
#include <cstdint>
#include <span>

namespace disc {

struct RhythmTrack {
    double beatsPerMinute = 120.0;
    float loudness = 0.5f;  // peak of a beat, full scale 1
};

// Fills samples (interleaved stereo at 44,100 Hz, both channels alike) with the pattern from
// firstFrame on.
void RenderRhythm(const RhythmTrack& track, std::int64_t firstFrame,
                  std::span<std::int16_t> samples);

}  // namespace disc
