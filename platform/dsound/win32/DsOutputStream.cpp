#include "platform/dsound/win32/DsOutputStream.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

#include "platform/dsound/win32/DsDevice.h"

namespace platform::dsound::win32_backend {

namespace {

using namespace std::chrono_literals;

constexpr DWORD kBytesPerFrame = kCdChannels * sizeof(std::int16_t);
constexpr DWORD kBytesPerSecond = kCdSampleRate * kBytesPerFrame;
// Written ahead of the play cursor: enough to ride out a slow read, little enough that Stop is
// heard.
constexpr std::uint64_t kLeadBytes = kBytesPerSecond / 5;
// The looping buffer. Everything in it but the samples still to be played is kept silent, so a
// feeder that comes back late (within the buffer's two seconds) is heard after a gap, not after a
// repeat of what played before.
constexpr DWORD kBufferBytes = 2 * kBytesPerSecond;
constexpr auto kPollInterval = 5ms;

// The stream's time line in bytes since it started playing: how far the cursor has played and
// where the samples written so far end. The buffer holds the time line modulo its size.
class DsOutputStream : public OutputStream {
  public:
    DsOutputStream(ComPtr<IDirectSound> sound, ComPtr<IDirectSoundBuffer> buffer)
        : sound_(std::move(sound)), buffer_(std::move(buffer)) {}

    // Plays silence until the first samples come, so that they start where the device has not
    // mixed yet.
    bool Start() {
        std::lock_guard guard(lock_);
        return Fill(0, kBufferBytes, nullptr) && SUCCEEDED(buffer_->Play(0, 0, DSBPLAY_LOOPING));
    }

    bool Write(std::span<const std::int16_t> samples) override {
        auto bytes = std::as_bytes(samples);
        std::unique_lock lock(lock_);
        while (!bytes.empty()) {
            if (!WaitWhileQueued(kLeadBytes, lock)) {
                return false;
            }
            CatchUpWithCursor();
            const std::size_t piece = std::min<std::size_t>(bytes.size(), FreeBytes());
            if (!CopyIn(bytes.first(piece))) {
                return false;
            }
            bytes = bytes.subspan(piece);
        }
        return !cut_;
    }

    void Drain() override {
        std::unique_lock lock(lock_);
        WaitWhileQueued(0, lock);
    }

    void Cut() override {
        std::lock_guard guard(lock_);
        cut_ = true;
        buffer_->Stop();
        wake_.notify_all();
    }

  private:
    // Waits while more than bytes are queued; false when cut or the device is lost.
    bool WaitWhileQueued(std::uint64_t bytes, std::unique_lock<std::mutex>& lock) {
        while (!cut_) {
            if (!FollowCursor()) {
                return false;
            }
            if (written_ <= played_ + bytes) {
                return true;
            }
            wake_.wait_for(lock, kPollInterval);
        }
        return false;
    }

    // Moves the time line on by what the cursor played since the last look, and silences it.
    bool FollowCursor() {
        DWORD play = 0;
        DWORD write = 0;
        DWORD status = 0;
        if (FAILED(buffer_->GetStatus(&status)) || (status & DSBSTATUS_BUFFERLOST) != 0 ||
            FAILED(buffer_->GetCurrentPosition(&play, &write))) {
            return false;
        }
        const DWORD advance = (play + kBufferBytes - playCursor_) % kBufferBytes;
        Fill(playCursor_, advance, nullptr);
        playCursor_ = play;
        mixedAhead_ = (write + kBufferBytes - play) % kBufferBytes;
        played_ += advance;
        return true;
    }

    // After an underrun the cursor is past the written samples: the next ones go where the device
    // has not mixed yet.
    void CatchUpWithCursor() {
        if (written_ < played_ + mixedAhead_) {
            written_ = played_ + mixedAhead_;
        }
    }

    std::size_t FreeBytes() const { return kBufferBytes - (written_ - played_); }

    bool CopyIn(std::span<const std::byte> bytes) {
        const auto count = static_cast<DWORD>(bytes.size());
        if (!Fill(static_cast<DWORD>(written_ % kBufferBytes), count, bytes.data())) {
            return false;
        }
        written_ += count;
        return true;
    }

    // Copies count bytes of data (silence when null) into the buffer from offset on.
    bool Fill(DWORD offset, DWORD count, const std::byte* data) {
        if (count == 0) {
            return true;
        }
        void* regions[2] = {nullptr, nullptr};
        DWORD sizes[2] = {0, 0};
        if (FAILED(
                buffer_->Lock(offset, count, &regions[0], &sizes[0], &regions[1], &sizes[1], 0))) {
            return false;
        }
        DWORD copied = 0;
        for (int index = 0; index < 2 && regions[index] != nullptr; ++index) {
            if (data != nullptr) {
                std::memcpy(regions[index], data + copied, sizes[index]);
            } else {
                std::memset(regions[index], 0, sizes[index]);
            }
            copied += sizes[index];
        }
        return SUCCEEDED(buffer_->Unlock(regions[0], sizes[0], regions[1], sizes[1]));
    }

    ComPtr<IDirectSound> sound_;
    ComPtr<IDirectSoundBuffer> buffer_;
    std::mutex lock_;
    std::condition_variable wake_;
    bool cut_ = false;
    DWORD playCursor_ = 0;      // the play cursor at the last look, an offset in the buffer
    DWORD mixedAhead_ = 0;      // bytes past the play cursor the device has already mixed
    std::uint64_t played_ = 0;  // on the time line
    std::uint64_t written_ = 0;
};

ComPtr<IDirectSoundBuffer> CreateStreamBuffer(IDirectSound& sound) {
    WaveFormat cd{kFormatPcm, kCdChannels, kCdSampleRate, kBytesPerSecond, kBytesPerFrame, 16, 0};
    WAVEFORMATEX wave = ToWaveFormatEx(cd);
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_GLOBALFOCUS;
    desc.dwBufferBytes = kBufferBytes;
    desc.lpwfxFormat = &wave;
    ComPtr<IDirectSoundBuffer> buffer;
    if (FAILED(sound.CreateSoundBuffer(&desc, buffer.GetAddressOf(), nullptr))) {
        return nullptr;
    }
    return buffer;
}

}  // namespace

std::unique_ptr<OutputStream> OpenDsOutputStream() {
    ComPtr<IDirectSound> sound = OpenDirectSound();
    if (sound == nullptr) {
        return nullptr;
    }
    ComPtr<IDirectSoundBuffer> buffer = CreateStreamBuffer(*sound.Get());
    if (buffer == nullptr) {
        return nullptr;
    }
    auto stream = std::make_unique<DsOutputStream>(std::move(sound), std::move(buffer));
    if (!stream->Start()) {
        return nullptr;
    }
    return stream;
}

}  // namespace platform::dsound::win32_backend
