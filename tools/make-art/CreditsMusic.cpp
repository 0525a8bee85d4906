#include "tools/make-art/Sounds.h"
#include "tools/make-art/Synthesis.h"

#include <array>
#include <cmath>
#include <functional>
#include <memory>

namespace art {
namespace {

constexpr double kTempo = 120.0;         // beats per minute
constexpr double kBeat = 60.0 / kTempo;  // seconds per beat
constexpr int kBeatsPerBar = 4;
constexpr int kEighthsPerBar = 2 * kBeatsPerBar;

// A four-bar progression, A minor, F, C, G: MIDI notes of the bass root and the chord tones.
struct Chord {
    int root;
    std::array<int, 3> tones;
};
constexpr std::array<Chord, 4> kProgression{{
    {45, {57, 60, 64}},
    {41, {57, 60, 65}},
    {48, {55, 60, 64}},
    {43, {55, 59, 62}},
}};
constexpr std::array<int, kEighthsPerBar> kArpeggio{0, 1, 2, 1, 0, 2, 1, 2};
constexpr double kNoteFade = 0.01;  // seconds over which a cut-off note fades, so it never clicks
constexpr double kLoopSeconds = kProgression.size() * kBeatsPerBar * kBeat;

using Voice = std::function<double(double)>;  // amplitude at a time in seconds after the onset

// Every note is written modulo the loop's length, so tails that run past the end continue at the
// start and the loop repeats without a seam.
class Loop {
  public:
    Loop() : samples_(static_cast<std::size_t>(kLoopSeconds * kSampleRate), 0.0) {}

    void Add(double start, double length, double level, const Voice& voice) {
        const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
        const auto count = static_cast<std::size_t>(length * kSampleRate);
        const double fade = kNoteFade * kSampleRate;
        for (std::size_t i = 0; i < count; ++i) {
            const double ending = std::min(1.0, double(count - i) / fade);
            samples_[(first + i) % samples_.size()] +=
                level * ending * voice(double(i) / kSampleRate);
        }
    }

    std::vector<double>& Samples() { return samples_; }

  private:
    std::vector<double> samples_;
};

double Attack(double t, double seconds) {
    return std::min(1.0, t / seconds);
}

double Harmonics(double frequency, double t, double second, double third) {
    const double phase = 2 * kPi * frequency * t;
    return std::sin(phase) + second * std::sin(2 * phase) + third * std::sin(3 * phase);
}

Voice Pluck(double frequency) {
    return [frequency](double t) {
        return Harmonics(frequency, t, 0.3, 0.12) * std::exp(-t / 0.18) * Attack(t, 0.003);
    };
}

Voice Pad(double frequency, double length) {
    return [frequency, length](double t) {
        const double swell = Attack(t, 0.4) * std::min(1.0, (length - t) / 0.6);
        return (std::sin(2 * kPi * frequency * t) + std::sin(2 * kPi * frequency * 1.004 * t) +
                0.2 * std::sin(4 * kPi * frequency * t)) *
               swell;
    };
}

Voice Bass(double frequency) {
    return [frequency](double t) {
        return Harmonics(frequency, t, 0.25, 0.05) * std::exp(-t / 0.35) * Attack(t, 0.005);
    };
}

// A kick drum: a sine whose pitch falls from about 110 Hz to 45 Hz.
Voice Kick() {
    return [](double t) {
        const double phase = 2 * kPi * (45.0 * t + 65.0 * 0.03 * (1 - std::exp(-t / 0.03)));
        return std::sin(phase) * std::exp(-t / 0.12);
    };
}

Voice Hiss(double centre, double q, double decay) {
    auto noise = std::make_shared<Noise>();
    auto filter = std::make_shared<BandPass>(centre, q);
    return [noise, filter, decay](double t) {
        return filter->Process(noise->Next()) * std::exp(-t / decay);
    };
}

void AddBar(Loop& loop, const Chord& chord, double start) {
    const double barLength = kBeatsPerBar * kBeat;
    for (const int tone : chord.tones) {
        loop.Add(start, barLength + 0.6, 0.10, Pad(NoteFrequency(tone), barLength + 0.6));
    }
    for (int eighth = 0; eighth < kEighthsPerBar; ++eighth) {
        const int tone = chord.tones[kArpeggio[eighth]] + 12;
        loop.Add(start + eighth * kBeat / 2, 0.9, 0.16, Pluck(NoteFrequency(tone)));
    }
    for (int beat = 0; beat < kBeatsPerBar; ++beat) {
        const double onset = start + beat * kBeat;
        loop.Add(onset, 0.5, 0.9, Kick());
        loop.Add(onset, 0.6, 0.45, Bass(NoteFrequency(chord.root)));
        loop.Add(onset + kBeat / 2, 0.12, 0.5, Hiss(8000.0, 0.7, 0.02));
        if (beat % 2 == 1) {
            loop.Add(onset, 0.3, 0.8, Hiss(1500.0, 0.8, 0.05));
        }
    }
}

}  // namespace

// Warm chords, a plucked arpeggio and a gentle four-to-the-floor beat, eight seconds long.
std::vector<std::int16_t> SynthesiseCreditsLoop() {
    Loop loop;
    for (std::size_t bar = 0; bar < kProgression.size(); ++bar) {
        AddBar(loop, kProgression[bar], bar * kBeatsPerBar * kBeat);
    }
    return ToPcm(loop.Samples(), 0.7);
}

}  // namespace art
