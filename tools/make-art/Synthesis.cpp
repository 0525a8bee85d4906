#include "tools/make-art/Synthesis.h"

#include <algorithm>
#include <cmath>

namespace art {

double Noise::Next() {
    // Numerical Recipes' linear congruential generator: fixed, portable, good enough for noise.
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / double(1u << 23) - 1.0;
}

BandPass::BandPass(double centre, double q) {
    const double omega = 2 * kPi * centre / kSampleRate;
    const double alpha = std::sin(omega) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    a1_ = -2 * std::cos(omega) / a0;
    a2_ = (1 - alpha) / a0;
}

double BandPass::Process(double input) {
    const double output = b0_ * input - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

std::vector<std::int16_t> ToPcm(const std::vector<double>& signal, double peak) {
    double largest = 1e-9;
    for (const double value : signal) {
        largest = std::max(largest, std::abs(value));
    }
    constexpr double kFullScale = 32767.0;
    const double gain = peak * kFullScale / largest;
    std::vector<std::int16_t> pcm(signal.size());
    std::transform(signal.begin(), signal.end(), pcm.begin(), [gain](double value) {
        return static_cast<std::int16_t>(std::lround(value * gain));
    });
    return pcm;
}

double NoteFrequency(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

}  // namespace art
