#pragma once
// The loopback's capture buffer: a device thread that moves the capture position on at the
// chosen speed, filling the ring from the line input.
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

#include "platform/dsound/CaptureRing.h"

namespace platform::dsound::loopback {

class LoopbackCaptureBuffer : public CaptureBuffer {
  public:
    LoopbackCaptureBuffer(const WaveFormat& format, std::uint32_t bufferBytes, float gain,
                          double speed);
    ~LoopbackCaptureBuffer() override;
    LoopbackCaptureBuffer(const LoopbackCaptureBuffer&) = delete;
    LoopbackCaptureBuffer& operator=(const LoopbackCaptureBuffer&) = delete;

    std::unique_ptr<CaptureNotify> QueryNotify() override;
    bool StartLooping() override;
    void Stop() override;
    std::uint32_t ReadPosition() override;
    bool Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions) override;
    void Unlock(const LockedRegions& regions) override;

  private:
    void Run(const std::stop_token& stop);
    std::uint32_t SamplesDue(double secondsSinceStart, double samplesWritten);
    void CaptureSamples(std::uint32_t count);

    std::shared_ptr<CaptureRing> ring_;
    WaveFormat format_;
    float gain_;
    double speed_;
    std::vector<float> line_;        // one chunk of the line input
    std::vector<std::uint8_t> pcm_;  // the same chunk in the capture format
    std::jthread device_;            // last: it uses every member above
};

}  // namespace platform::dsound::loopback
