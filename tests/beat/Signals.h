#pragma once
// Test signals for the beat estimator: click tracks and silence as capture blocks would bring them.
#include <algorithm>
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
    // The known results were recorded from clicks at this running sum; firstBeat + n / bps would
    // move some of them by a sample.
    // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter): see above
    for (double beat = firstBeat; beat < seconds; beat += 1.0 / beatsPerSecond) {
        const auto first = static_cast<std::size_t>(beat * sampleRate);
        for (std::size_t i = 0; i < clickLength && first + i < samples.size(); ++i) {
            const double envelope = std::exp(-8.0 * double(i) / double(clickLength));
            samples[first + i] = static_cast<std::int16_t>(20000.0 * envelope * noise(random));
        }
    }
    return samples;
}

// Something closer to music than clicks: a kick on every beat, a snare on beats two and four, hats
// on the eighths, a bass note per bar and a held chord, with a little noise under it all.
inline std::vector<std::int16_t> MusicLike(int sampleRate, double seconds, double beatsPerSecond) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(sampleRate * seconds));
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    constexpr double kTwoPi = 6.283185307179586;
    const double period = 1.0 / beatsPerSecond;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / sampleRate;
        const auto beat = static_cast<long>(t / period);
        const double inBeat = t - double(beat) * period;
        const double inEighth = std::fmod(inBeat, period / 2);
        const double kick = std::exp(-30.0 * inBeat) *
                            std::sin(kTwoPi * (50.0 + 80.0 * std::exp(-40.0 * inBeat)) * inBeat);
        const double snare = beat % 2 == 1 ? std::exp(-25.0 * inBeat) * noise(random) : 0.0;
        const double hat = std::exp(-120.0 * inEighth) * noise(random);
        const double bass = 0.3 * std::sin(kTwoPi * 55.0 * double(1 + beat / 4 % 3) * t);
        const double chord = 0.08 * (std::sin(kTwoPi * 220.0 * t) + std::sin(kTwoPi * 277.2 * t) +
                                     std::sin(kTwoPi * 329.6 * t));
        const double value =
            0.5 * kick + 0.3 * snare + 0.1 * hat + bass + chord + 0.02 * noise(random);
        samples[i] = static_cast<std::int16_t>(std::clamp(12000.0 * value, -32768.0, 32767.0));
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
