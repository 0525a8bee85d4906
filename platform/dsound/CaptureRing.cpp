#include "platform/dsound/CaptureRing.h"

#include <algorithm>
#include <cstring>

namespace platform::dsound {

CaptureRing::CaptureRing(std::uint32_t bytes) : data_(bytes) {}

bool CaptureRing::SetPositions(std::span<const PositionNotify> positions) {
    std::lock_guard guard(lock_);
    const bool inside = std::all_of(positions.begin(), positions.end(), [&](const auto& entry) {
        return entry.event != nullptr && (entry.offset < size() || entry.offset == kOffsetStop);
    });
    if (capturing_ || !inside) {
        return false;
    }
    positions_.assign(positions.begin(), positions.end());
    return true;
}

void CaptureRing::Start() {
    std::lock_guard guard(lock_);
    capturing_ = true;
}

void CaptureRing::Stop() {
    {
        std::lock_guard guard(lock_);
        if (!capturing_) {
            return;
        }
        capturing_ = false;
        for (const PositionNotify& entry : positions_) {
            if (entry.offset == kOffsetStop) {
                entry.event->Set();
            }
        }
    }
    unlocked_.notify_all();
}

bool CaptureRing::Capturing() {
    std::lock_guard guard(lock_);
    return capturing_;
}

void CaptureRing::Write(std::span<const std::uint8_t> data) {
    std::unique_lock lock(lock_);
    std::size_t done = 0;
    while (done < data.size() && capturing_ && !data_.empty()) {
        const std::uint32_t run = static_cast<std::uint32_t>(
            std::min<std::size_t>(data.size() - done, size() - writePosition_));
        if (!WriteRun(data.data() + done, run, lock)) {
            return;
        }
        done += run;
    }
}

// Writes bytes that do not wrap, once no lock covers them; drops them when capturing stops
// meanwhile.
bool CaptureRing::WriteRun(const std::uint8_t* data, std::uint32_t bytes,
                           std::unique_lock<std::mutex>& lock) {
    unlocked_.wait(lock, [&] { return !capturing_ || !OverlapsLock(writePosition_, bytes); });
    if (!capturing_) {
        return false;
    }
    std::memcpy(data_.data() + writePosition_, data, bytes);
    const std::uint32_t from = writePosition_;
    writePosition_ = (writePosition_ + bytes) % size();
    unread_ = std::min(size(), unread_ + bytes);
    Signal(from, bytes);
    return true;
}

// Two ranges of the circle overlap when either starts inside the other.
bool CaptureRing::OverlapsLock(std::uint32_t offset, std::uint32_t bytes) const {
    const std::uint32_t n = size();
    return locked_ &&
           ((lockOffset_ + n - offset) % n < bytes || (offset + n - lockOffset_) % n < lockBytes_);
}

void CaptureRing::Signal(std::uint32_t from, std::uint32_t bytes) {
    for (const PositionNotify& entry : positions_) {
        if (entry.offset != kOffsetStop && entry.offset >= from && entry.offset < from + bytes) {
            entry.event->Set();
        }
    }
}

std::uint32_t CaptureRing::Unread() {
    std::lock_guard guard(lock_);
    return unread_;
}

std::uint32_t CaptureRing::ReadPosition() {
    std::lock_guard guard(lock_);
    return writePosition_;
}

bool CaptureRing::Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions) {
    std::lock_guard guard(lock_);
    if (locked_ || offset >= size() || bytes == 0 || bytes > size()) {
        return false;
    }
    const std::uint32_t first = std::min(bytes, size() - offset);
    regions = LockedRegions{data_.data() + offset, first, first < bytes ? data_.data() : nullptr,
                            bytes - first};
    locked_ = true;
    lockOffset_ = offset;
    lockBytes_ = bytes;
    // What lies before the lock's end has now been read; unread is what was captured after it.
    const std::uint32_t end = (offset + bytes) % size();
    unread_ = std::min(unread_, (writePosition_ + size() - end) % size());
    return true;
}

void CaptureRing::Unlock() {
    {
        std::lock_guard guard(lock_);
        locked_ = false;
    }
    unlocked_.notify_all();
}

}  // namespace platform::dsound
