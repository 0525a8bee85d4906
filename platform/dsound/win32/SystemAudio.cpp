#include "platform/dsound/win32/SystemAudio.h"

#include <vector>

#include "platform/dsound/win32/DsDevice.h"
#include "platform/dsound/win32/DsOutputStream.h"
#include "platform/thread/win32/EventHandle.h"

namespace platform::dsound::win32_backend {

namespace {

// The device object alone: holding it keeps the default playback device open while the capture
// is set up, which is all the audio test asks of it.
class DsPlayback : public Playback {
  public:
    explicit DsPlayback(ComPtr<IDirectSound> sound) : sound_(std::move(sound)) {}

  private:
    ComPtr<IDirectSound> sound_;
};

bool Capturing(IDirectSoundCaptureBuffer& buffer) {
    DWORD status = 0;
    return SUCCEEDED(buffer.GetStatus(&status)) && (status & DSCBSTATUS_CAPTURING) != 0;
}

// The system refuses positions only for some of the reasons the layer does, so the layer's own
// checks come first.
class DsCaptureNotify : public CaptureNotify {
  public:
    DsCaptureNotify(ComPtr<IDirectSoundCaptureBuffer> buffer, ComPtr<IDirectSoundNotify> notify,
                    std::uint32_t bufferBytes)
        : buffer_(std::move(buffer)), notify_(std::move(notify)), bufferBytes_(bufferBytes) {}

    bool SetNotificationPositions(std::span<const PositionNotify> positions) override {
        if (Capturing(*buffer_.Get())) {
            return false;
        }
        std::vector<DSBPOSITIONNOTIFY> system;
        for (const PositionNotify& position : positions) {
            if (position.event == nullptr ||
                (position.offset != kOffsetStop && position.offset >= bufferBytes_)) {
                return false;
            }
            system.push_back({position.offset, thread::win32::EventHandle(*position.event)});
        }
        return SUCCEEDED(
            notify_->SetNotificationPositions(static_cast<DWORD>(system.size()), system.data()));
    }

  private:
    ComPtr<IDirectSoundCaptureBuffer> buffer_;
    ComPtr<IDirectSoundNotify> notify_;
    std::uint32_t bufferBytes_;
};

class DsCaptureBuffer : public CaptureBuffer {
  public:
    DsCaptureBuffer(ComPtr<IDirectSoundCaptureBuffer> buffer, std::uint32_t bytes)
        : buffer_(std::move(buffer)), bytes_(bytes) {}

    std::unique_ptr<CaptureNotify> QueryNotify() override {
        ComPtr<IDirectSoundNotify> notify;
        if (FAILED(buffer_->QueryInterface(IID_IDirectSoundNotify,
                                           reinterpret_cast<void**>(notify.GetAddressOf())))) {
            return nullptr;
        }
        return std::make_unique<DsCaptureNotify>(buffer_, std::move(notify), bytes_);
    }
    bool StartLooping() override { return SUCCEEDED(buffer_->Start(DSCBSTART_LOOPING)); }
    void Stop() override { buffer_->Stop(); }
    std::uint32_t ReadPosition() override {
        DWORD read = 0;
        return SUCCEEDED(buffer_->GetCurrentPosition(nullptr, &read)) ? read : 0;
    }
    bool Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions) override;
    // The system takes the pointers it handed out back as writable ones.
    void Unlock(const LockedRegions& regions) override {
        buffer_->Unlock(const_cast<std::uint8_t*>(regions.first), regions.firstBytes,
                        const_cast<std::uint8_t*>(regions.second), regions.secondBytes);
    }

  private:
    ComPtr<IDirectSoundCaptureBuffer> buffer_;
    std::uint32_t bytes_;
};

bool DsCaptureBuffer::Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions) {
    if (offset >= bytes_ || bytes == 0 || bytes > bytes_) {
        return false;
    }
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    if (FAILED(buffer_->Lock(offset, bytes, &first, &firstBytes, &second, &secondBytes, 0))) {
        return false;
    }
    regions = {static_cast<const std::uint8_t*>(first), firstBytes,
               static_cast<const std::uint8_t*>(second), secondBytes};
    return true;
}

class DsCapture : public Capture {
  public:
    explicit DsCapture(ComPtr<IDirectSoundCapture8> capture) : capture_(std::move(capture)) {}

    std::unique_ptr<CaptureBuffer> CreateCaptureBuffer(const CaptureBufferDesc& desc) override {
        const WaveFormat* format = desc.format;
        if (!IsPcmBuffer(desc)) {
            return nullptr;
        }
        WAVEFORMATEX wave = ToWaveFormatEx(*format);
        DSCBUFFERDESC system{};
        system.dwSize = sizeof(system);
        system.dwBufferBytes = desc.bufferBytes;
        system.lpwfxFormat = &wave;
        ComPtr<IDirectSoundCaptureBuffer> buffer;
        if (FAILED(capture_->CreateCaptureBuffer(&system, buffer.GetAddressOf(), nullptr))) {
            return nullptr;
        }
        return std::make_unique<DsCaptureBuffer>(std::move(buffer), desc.bufferBytes);
    }

  private:
    ComPtr<IDirectSoundCapture8> capture_;
};

}  // namespace

// Nothing is played through it, so it needs no cooperative level and no buffer: each would only
// be another way for the test to fail.
std::unique_ptr<Playback> SystemAudio::CreatePlayback() {
    ComPtr<IDirectSound> sound;
    if (FAILED(::DirectSoundCreate(nullptr, sound.GetAddressOf(), nullptr))) {
        return nullptr;
    }
    return std::make_unique<DsPlayback>(std::move(sound));
}

std::unique_ptr<Capture> SystemAudio::CreateCapture() {
    ComPtr<IDirectSoundCapture8> capture;
    if (FAILED(::DirectSoundCaptureCreate8(nullptr, capture.GetAddressOf(), nullptr))) {
        return nullptr;
    }
    return std::make_unique<DsCapture>(std::move(capture));
}

std::unique_ptr<OutputStream> SystemAudio::OpenOutputStream() {
    return OpenDsOutputStream();
}

}  // namespace platform::dsound::win32_backend

namespace platform::dsound {

const std::string_view kSystemAudioName = "dsound";

std::unique_ptr<AudioSystem> CreateSystemAudio() {
    return std::make_unique<win32_backend::SystemAudio>();
}

}  // namespace platform::dsound
