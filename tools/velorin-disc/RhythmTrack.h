#pragma once
// Audio-CD tracks of our own for a virtual disc: a steady drum pattern, so that the audio test has
// something loud to hear and the beat estimator a tempo to find.
#include <filesystem>

namespace disc {

struct RhythmTrack {
    double seconds = 20.0;
    double beatsPerMinute = 120.0;
    float loudness = 0.5f;  // peak of a beat, full scale 1
};

// Writes a mono 16-bit 44,100 Hz WAVE file; false when it cannot be written.
bool WriteRhythmTrack(const std::filesystem::path& file, const RhythmTrack& track);

}  // namespace disc
