#pragma once
// Small building blocks of the launcher's synthesised sounds.
#include <cstdint>
#include <vector>

namespace art {

constexpr int kSampleRate = 22050;  // samples per second of every sound
constexpr double kPi = 3.14159265358979323846;

// White noise in [-1, 1] from a fixed seed, so the sounds come out the same on every run.
class Noise {
  public:
    double Next();

  private:
    std::uint32_t state_ = 0x2545F491u;
};

// A two-pole resonator (band-pass) around `centre` Hz with quality `q`.
class BandPass {
  public:
    BandPass(double centre, double q);
    double Process(double input);

  private:
    double b0_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Scales the signal so its largest magnitude is `peak` (of full scale) and converts to 16 bits.
std::vector<std::int16_t> ToPcm(const std::vector<double>& signal, double peak);

// Frequency in Hz of a MIDI note number (69 = A4 = 440 Hz).
double NoteFrequency(int note);

}  // namespace art
