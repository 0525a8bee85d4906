#include "tools/velorin-disc/RhythmTrack.h"

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <vector>

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

bool WriteRhythmTrack(const std::filesystem::path& file, const RhythmTrack& track) {
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sound = sf_open(file.c_str(), SFM_WRITE, &info);
    if (sound == nullptr) {
        return false;
    }
    const auto frames = static_cast<sf_count_t>(track.seconds * kSampleRate);
    std::vector<float> samples(static_cast<std::size_t>(frames));
    for (sf_count_t frame = 0; frame < frames; ++frame) {
        samples[static_cast<std::size_t>(frame)] =
            DrumSample(static_cast<double>(frame) / kSampleRate, track);
    }
    const bool written = sf_writef_float(sound, samples.data(), frames) == frames;
    return sf_close(sound) == 0 && written;
}

}  // namespace disc
