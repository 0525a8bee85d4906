#pragma once
// The circular capture buffer every backend fills: the device side writes at the capture
// position and signals the notification events it passes; the reader locks a range and reads it
// in place. Bytes under a lock are never overwritten: the writer waits for the unlock instead.
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound {

class CaptureRing {
  public:
    explicit CaptureRing(std::uint32_t bytes);

    std::uint32_t size() const { return static_cast<std::uint32_t>(data_.size()); }

    // Refused while capturing, or for an offset outside the buffer.
    bool SetPositions(std::span<const PositionNotify> positions);
    void Start();
    // Stops capturing; signals the stop notifications when it was capturing.
    void Stop();
    bool Capturing();

    // Writes data at the capture position (nothing while stopped) and signals the notifications
    // of every offset it passes.
    void Write(std::span<const std::uint8_t> data);
    // Bytes captured that no lock has covered yet: what a writer that must not lose audio may
    // still add is size() minus this.
    std::uint32_t Unread();

    std::uint32_t ReadPosition();
    bool Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions);
    void Unlock();

  private:
    bool WriteRun(const std::uint8_t* data, std::uint32_t bytes,
                  std::unique_lock<std::mutex>& lock);
    bool OverlapsLock(std::uint32_t offset, std::uint32_t bytes) const;
    void Signal(std::uint32_t from, std::uint32_t bytes);

    std::mutex lock_;
    std::condition_variable unlocked_;
    std::vector<std::uint8_t> data_;
    std::vector<PositionNotify> positions_;
    std::uint32_t writePosition_ = 0;
    std::uint32_t unread_ = 0;
    bool capturing_ = false;
    bool locked_ = false;
    std::uint32_t lockOffset_ = 0;
    std::uint32_t lockBytes_ = 0;
};

// The notification interface of a ring-backed buffer; it keeps the ring alive.
class RingNotify : public CaptureNotify {
  public:
    explicit RingNotify(std::shared_ptr<CaptureRing> ring) : ring_(std::move(ring)) {}
    bool SetNotificationPositions(std::span<const PositionNotify> positions) override {
        return ring_->SetPositions(positions);
    }

  private:
    std::shared_ptr<CaptureRing> ring_;
};

}  // namespace platform::dsound
