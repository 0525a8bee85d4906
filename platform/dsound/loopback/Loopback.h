#pragma once
// The virtual sound card: its capture device hears the line input, where its own playback stream
// plays (or a test's signal). It can run faster than real time, and never loses audio: when the
// reader falls a whole buffer behind, the device waits for it.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound::loopback {

struct AcceptedFormat {
    std::uint32_t samplesPerSec = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t channels = 1;
};

struct LoopbackOptions {
    float gain = 1.0f;   // scales what the line input carries; 0 mutes it
    double speed = 1.0;  // seconds of audio captured per second of real time
    // The formats the capture device accepts; empty: every mono 8- and 16-bit format.
    std::vector<AcceptedFormat> acceptedFormats;
    // Refuses a capture buffer while a playback object is open (a half-duplex card).
    bool refuseFullDuplex = false;
    // What the card tells a user whose capture heard nothing, as a real card may.
    std::string nothingHeardHint;

    // Gain from VELORIN_LOOPBACK_GAIN and speed from VELORIN_LOOPBACK_SPEED, else the defaults.
    static LoopbackOptions FromEnvironment();
};

class LoopbackAudioSystem : public AudioSystem {
  public:
    explicit LoopbackAudioSystem(LoopbackOptions options);
    std::unique_ptr<Playback> CreatePlayback() override;
    std::unique_ptr<Capture> CreateCapture() override;
    std::unique_ptr<OutputStream> OpenOutputStream() override;
    std::string_view NothingHeardHint() const override { return options_.nothingHeardHint; }

  private:
    LoopbackOptions options_;
    std::shared_ptr<std::atomic<int>> openPlaybacks_;
};

}  // namespace platform::dsound::loopback
