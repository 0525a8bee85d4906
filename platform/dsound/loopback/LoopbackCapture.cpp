#include "platform/dsound/loopback/LoopbackCapture.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>

#include "platform/dsound/LineInput.h"

namespace platform::dsound::loopback {

namespace {

constexpr std::uint32_t kChunkSamples = 2048;
constexpr auto kIdleTick = std::chrono::milliseconds(2);

std::uint8_t ToUnsigned8(float sample) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(sample * 128.0f) + 128, 0L, 255L));
}

std::int16_t ToSigned16(float sample) {
    return static_cast<std::int16_t>(std::clamp(std::lround(sample * 32768.0f), -32768L, 32767L));
}

}  // namespace

LoopbackCaptureBuffer::LoopbackCaptureBuffer(const WaveFormat& format, std::uint32_t bufferBytes,
                                             float gain, double speed)
    : ring_(std::make_shared<CaptureRing>(bufferBytes)),
      format_(format),
      gain_(gain),
      speed_(speed),
      line_(kChunkSamples),
      pcm_(std::size_t{kChunkSamples} * format.blockAlign),
      device_([this](const std::stop_token& stop) { Run(stop); }) {}

LoopbackCaptureBuffer::~LoopbackCaptureBuffer() {
    device_.request_stop();
}

std::unique_ptr<CaptureNotify> LoopbackCaptureBuffer::QueryNotify() {
    return std::make_unique<RingNotify>(ring_);
}

bool LoopbackCaptureBuffer::StartLooping() {
    ring_->Start();
    return true;
}

void LoopbackCaptureBuffer::Stop() {
    ring_->Stop();
}

std::uint32_t LoopbackCaptureBuffer::ReadPosition() {
    return ring_->ReadPosition();
}

bool LoopbackCaptureBuffer::Lock(std::uint32_t offset, std::uint32_t bytes,
                                 LockedRegions& regions) {
    return ring_->Lock(offset, bytes, regions);
}

void LoopbackCaptureBuffer::Unlock(const LockedRegions&) {
    ring_->Unlock();
}

// The device's clock: samples are due at the format's rate times the speed, counted from the
// start of capturing; the clock waits while the reader is a whole buffer behind.
void LoopbackCaptureBuffer::Run(const std::stop_token& stop) {
    using Clock = std::chrono::steady_clock;
    auto origin = Clock::now();
    double written = 0.0;
    while (!stop.stop_requested()) {
        const double seconds = std::chrono::duration<double>(Clock::now() - origin).count();
        const std::uint32_t count = ring_->Capturing() ? SamplesDue(seconds, written) : 0;
        if (count == 0) {
            if (!ring_->Capturing() || ring_->Unread() + format_.blockAlign > ring_->size()) {
                origin = Clock::now();
                written = 0.0;
            }
            std::this_thread::sleep_for(kIdleTick);
            continue;
        }
        CaptureSamples(count);
        written += count;
    }
}

std::uint32_t LoopbackCaptureBuffer::SamplesDue(double secondsSinceStart, double samplesWritten) {
    const double due = secondsSinceStart * format_.samplesPerSec * speed_ - samplesWritten;
    const std::uint32_t room = (ring_->size() - ring_->Unread()) / format_.blockAlign;
    return static_cast<std::uint32_t>(
        std::clamp(due, 0.0, static_cast<double>(std::min(room, kChunkSamples))));
}

void LoopbackCaptureBuffer::CaptureSamples(std::uint32_t count) {
    const std::span<float> line(line_.data(), count);
    ReadLineInput(line, static_cast<int>(format_.samplesPerSec));
    std::uint8_t* out = pcm_.data();
    for (float sample : line) {
        for (int channel = 0; channel < format_.channels; ++channel) {
            if (format_.bitsPerSample == 8) {
                *out++ = ToUnsigned8(sample * gain_);
            } else {
                const auto value = static_cast<std::uint16_t>(ToSigned16(sample * gain_));
                *out++ = static_cast<std::uint8_t>(value & 0xFF);
                *out++ = static_cast<std::uint8_t>(value >> 8);
            }
        }
    }
    ring_->Write(std::span<const std::uint8_t>(pcm_.data(), out));
}

}  // namespace platform::dsound::loopback
