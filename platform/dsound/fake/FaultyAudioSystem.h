#pragma once
// Wraps a working backend and makes chosen operations fail, recording what was asked of it: the
// seam through which tests provoke each failure of the audio test.
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound::fake {

struct AudioFaults {
    std::atomic<bool> noPlayback{false};       // the playback device cannot be opened
    std::atomic<bool> noCapture{false};        // the capture device cannot be opened
    std::atomic<bool> noNotify{false};         // buffers have no notification interface
    std::atomic<bool> refusePositions{false};  // notification positions are refused
    std::atomic<bool> neverStart{false};       // buffers accept Start but never capture
    std::atomic<bool> refuseLocks{false};      // every Lock fails
};

class FaultyAudioSystem : public AudioSystem {
  public:
    FaultyAudioSystem(AudioSystem& inner, AudioFaults& faults);

    std::unique_ptr<Playback> CreatePlayback() override;
    std::unique_ptr<Capture> CreateCapture() override;
    std::unique_ptr<OutputStream> OpenOutputStream() override;
    std::string_view NothingHeardHint() const override { return inner_.NothingHeardHint(); }

    int playbacksCreated() const { return playbacksCreated_.load(); }
    int capturesCreated() const { return capturesCreated_.load(); }
    // Every format a capture buffer was asked for, in order.
    std::vector<WaveFormat> formatsTried() const;

  private:
    friend class FaultyCapture;
    void RecordFormat(const WaveFormat& format);

    AudioSystem& inner_;
    AudioFaults& faults_;
    std::atomic<int> playbacksCreated_{0};
    std::atomic<int> capturesCreated_{0};
    mutable std::mutex formatsLock_;
    std::vector<WaveFormat> formatsTried_;
};

}  // namespace platform::dsound::fake
