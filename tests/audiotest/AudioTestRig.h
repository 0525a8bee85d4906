#pragma once
// The virtual sound card the audio-test tests run against: the loopback, sped up, wrapped in the
// fault injector, installed for the process while alive; and test signals for its line input.
#include <cstdint>
#include <memory>

#include "audiotest/CSoundCapture.h"
#include "platform/dsound/fake/FaultyAudioSystem.h"
#include "platform/dsound/loopback/Loopback.h"

namespace rig {

constexpr double kSpeed = 50.0;  // seconds of audio per second of test

enum class Line {
    Silent,
    Loud,            // a steady half of full scale
    OneLowByte,      // one sample of -1/128 (the 8-bit byte 127), then silence
    SilentThenLoud,  // silence for the first silentSamples, then loud
};
// Connects the signal to the line input, starting afresh.
void ConnectTestLine(Line kind, std::uint32_t silentSamples = 0);

platform::dsound::loopback::LoopbackOptions FastCard();
// The fast card with its line input turned down to nothing.
platform::dsound::loopback::LoopbackOptions MutedCard();

class SoundCard {
  public:
    explicit SoundCard(platform::dsound::loopback::LoopbackOptions options = FastCard());
    ~SoundCard();
    SoundCard(const SoundCard&) = delete;
    SoundCard& operator=(const SoundCard&) = delete;

    platform::dsound::fake::AudioFaults faults;
    platform::dsound::fake::FaultyAudioSystem& system() { return *faulty_; }

  private:
    std::unique_ptr<platform::dsound::loopback::LoopbackAudioSystem> loopback_;
    std::unique_ptr<platform::dsound::fake::FaultyAudioSystem> faulty_;
};

// Waits until the engine's run has ended; false after a generous bound.
bool WaitForRunEnd(const CSoundCapture& engine);

}  // namespace rig
