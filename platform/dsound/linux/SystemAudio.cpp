#include "platform/dsound/linux/SystemAudio.h"

#include <SDL2/SDL.h>

#include "platform/dsound/CaptureRing.h"
#include "platform/dsound/linux/SdlDevice.h"
#include "platform/dsound/linux/SdlOutputStream.h"

namespace platform::dsound::linux_backend {

namespace {

class SdlPlayback : public Playback {
  public:
    SdlPlayback(std::unique_ptr<AudioSubsystem> subsystem, SDL_AudioDeviceID device)
        : subsystem_(std::move(subsystem)), device_(device) {}

  private:
    std::unique_ptr<AudioSubsystem> subsystem_;
    DeviceCloser device_;
};

void CaptureCallback(void* ring, Uint8* stream, int bytes) {
    static_cast<CaptureRing*>(ring)->Write(
        std::span<const std::uint8_t>(stream, static_cast<std::size_t>(bytes)));
}

class SdlCaptureBuffer : public CaptureBuffer {
  public:
    SdlCaptureBuffer(std::shared_ptr<AudioSubsystem> subsystem, std::shared_ptr<CaptureRing> ring,
                     SDL_AudioDeviceID device)
        : subsystem_(std::move(subsystem)), ring_(std::move(ring)), device_(device) {}

    std::unique_ptr<CaptureNotify> QueryNotify() override {
        return std::make_unique<RingNotify>(ring_);
    }
    bool StartLooping() override {
        ring_->Start();
        SDL_PauseAudioDevice(device_.id(), 0);
        return true;
    }
    // The ring stops first, so a callback waiting for a lock gives up before SDL waits for it.
    void Stop() override {
        ring_->Stop();
        SDL_PauseAudioDevice(device_.id(), 1);
    }
    std::uint32_t ReadPosition() override { return ring_->ReadPosition(); }
    bool Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions) override {
        return ring_->Lock(offset, bytes, regions);
    }
    void Unlock(const LockedRegions&) override { ring_->Unlock(); }

  private:
    std::shared_ptr<AudioSubsystem> subsystem_;
    std::shared_ptr<CaptureRing> ring_;  // outlives the device, whose callback writes to it
    DeviceCloser device_;
};

class SdlCapture : public Capture {
  public:
    explicit SdlCapture(std::shared_ptr<AudioSubsystem> subsystem)
        : subsystem_(std::move(subsystem)) {}

    std::unique_ptr<CaptureBuffer> CreateCaptureBuffer(const CaptureBufferDesc& desc) override {
        const WaveFormat* format = desc.format;
        if (!IsPcmBuffer(desc)) {
            return nullptr;
        }
        auto ring = std::make_shared<CaptureRing>(desc.bufferBytes);
        SDL_AudioSpec wanted{};
        wanted.freq = static_cast<int>(format->samplesPerSec);
        wanted.format = format->bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
        wanted.channels = static_cast<Uint8>(format->channels);
        wanted.samples = kDeviceSamples;
        wanted.callback = CaptureCallback;
        wanted.userdata = ring.get();
        const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 1, &wanted, nullptr, 0);
        if (device == 0) {
            return nullptr;
        }
        return std::make_unique<SdlCaptureBuffer>(subsystem_, std::move(ring), device);
    }

  private:
    std::shared_ptr<AudioSubsystem> subsystem_;
};

}  // namespace

std::unique_ptr<Playback> SystemAudio::CreatePlayback() {
    auto subsystem = std::make_unique<AudioSubsystem>();
    if (!subsystem->ready()) {
        return nullptr;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16LSB;
    wanted.channels = 2;
    wanted.samples = kDeviceSamples;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        return nullptr;
    }
    return std::make_unique<SdlPlayback>(std::move(subsystem), device);
}

std::unique_ptr<OutputStream> SystemAudio::OpenOutputStream() {
    return OpenSdlOutputStream();
}

// The capture records the sound server's default source, which on a desktop is the microphone.
std::string_view SystemAudio::NothingHeardHint() const {
    return "On Linux the test records the default input: choose the output's monitor (\"Monitor of "
           "...\") as the input in the desktop's sound settings, or run: pactl "
           "set-default-source <output name>.monitor";
}

std::unique_ptr<Capture> SystemAudio::CreateCapture() {
    auto subsystem = std::make_shared<AudioSubsystem>();
    if (!subsystem->ready()) {
        return nullptr;
    }
    return std::make_unique<SdlCapture>(std::move(subsystem));
}

}  // namespace platform::dsound::linux_backend

namespace platform::dsound {

const std::string_view kSystemAudioName = "sdl";

std::unique_ptr<AudioSystem> CreateSystemAudio() {
    return std::make_unique<linux_backend::SystemAudio>();
}

}  // namespace platform::dsound
