#include "tools/make-art/Sounds.h"
#include "tools/make-art/Synthesis.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

std::vector<double> Silence(double seconds) {
    return std::vector<double>(static_cast<std::size_t>(seconds * kSampleRate), 0.0);
}

// A short linear fade at the end so no sound stops on a step.
void FadeOut(std::vector<double>& signal, double seconds) {
    const auto length = static_cast<std::size_t>(seconds * kSampleRate);
    for (std::size_t i = 0; i < length && i < signal.size(); ++i) {
        signal[signal.size() - 1 - i] *= double(i) / double(length);
    }
}

}  // namespace

// A soft, bright tick: a burst of band-passed noise over a fast-decaying tone.
std::vector<std::int16_t> SynthesiseClick() {
    constexpr double kLength = 0.045;       // seconds
    constexpr double kNoiseDecay = 0.0025;  // seconds to fall to 1/e
    constexpr double kToneDecay = 0.008;
    constexpr double kToneHz = 1850.0;
    constexpr double kAttack = 0.0004;
    std::vector<double> signal = Silence(kLength);
    Noise noise;
    BandPass body(3200.0, 1.2);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double burst = body.Process(noise.Next()) * std::exp(-t / kNoiseDecay);
        const double tone = std::sin(2 * kPi * kToneHz * t) * std::exp(-t / kToneDecay);
        signal[i] = std::min(1.0, t / kAttack) * (1.4 * burst + 0.5 * tone);
    }
    FadeOut(signal, 0.005);
    return ToPcm(signal, 0.55);
}

// A finger snap: a sharp crack of resonant noise with a short ringing pop under it.
std::vector<std::int16_t> SynthesiseSnap() {
    constexpr double kLength = 0.16;
    constexpr double kCrackDecay = 0.012;
    constexpr double kPopDecay = 0.025;
    constexpr double kPopHz = 1250.0;
    constexpr double kAttack = 0.0008;
    std::vector<double> signal = Silence(kLength);
    Noise noise;
    BandPass crack(2600.0, 2.5);
    BandPass air(6500.0, 1.0);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double onset = std::min(1.0, t / kAttack);
        const double n = noise.Next();
        const double body = crack.Process(n) * std::exp(-t / kCrackDecay);
        const double hiss = air.Process(n) * std::exp(-t / (kCrackDecay / 3));
        const double pop =
            std::sin(2 * kPi * kPopHz * t * (1 - 0.8 * t)) * std::exp(-t / kPopDecay);
        signal[i] = onset * (2.2 * body + 0.8 * hiss + 0.35 * pop);
    }
    FadeOut(signal, 0.02);
    return ToPcm(signal, 0.7);
}

}  // namespace art
