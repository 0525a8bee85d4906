#pragma once
// Test signals for the beat estimator: click tracks and silence as capture blocks would bring them.
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace beat_signals {

// A decaying noise burst of 60 ms at every beat, so that every click reaches at least one analysis
// frame whatever its alignment; firstBeat and the period are in seconds.
inline std::vector<std::int16_t> ClickTrack(int sampleRate, double seconds, double beatsPerSecond,
                                            double firstBeat) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(sampleRate * seconds));
    std::mt19937 random(1);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    const auto clickLength = static_cast<std::size_t>(0.06 * sampleRate);
    for (double beat = firstBeat; beat < seconds; beat += 1.0 / beatsPerSecond) {
        const auto first = static_cast<std::size_t>(beat * sampleRate);
        for (std::size_t i = 0; i < clickLength && first + i < samples.size(); ++i) {
            const double envelope = std::exp(-8.0 * double(i) / double(clickLength));
            samples[first + i] = static_cast<std::int16_t>(20000.0 * envelope * noise(random));
        }
    }
    return samples;
}

inline std::vector<std::uint8_t> LittleEndian(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * samples.size());
    for (const std::int16_t sample : samples) {
        bytes.push_back(static_cast<std::uint8_t>(sample & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
    return bytes;
}

}  // namespace beat_signals
