#include "platform/dsound/linux/SdlOutputStream.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/dsound/linux/SdlDevice.h"

namespace platform::dsound::linux_backend {

namespace {

using namespace std::chrono_literals;

constexpr Uint32 kBytesPerSecond = sizeof(std::int16_t) * kCdSampleRate * kCdChannels;
// Queued ahead of the device: enough to ride out a slow read, little enough that Stop is heard.
constexpr Uint32 kLeadBytes = kBytesPerSecond / 5;
constexpr auto kPollInterval = 5ms;

class SdlOutputStream : public OutputStream {
  public:
    SdlOutputStream(std::unique_ptr<AudioSubsystem> subsystem, SDL_AudioDeviceID device)
        : subsystem_(std::move(subsystem)), device_(device) {
        SDL_PauseAudioDevice(device_.id(), 0);
    }

    bool Write(std::span<const std::int16_t> samples) override {
        if (!WaitWhileQueued(kLeadBytes)) {
            return false;
        }
        return SDL_QueueAudio(device_.id(), samples.data(),
                              static_cast<Uint32>(samples.size_bytes())) == 0;
    }

    void Drain() override { WaitWhileQueued(0); }

    void Cut() override {
        {
            std::lock_guard guard(lock_);
            cut_ = true;
        }
        SDL_PauseAudioDevice(device_.id(), 1);
        SDL_ClearQueuedAudio(device_.id());
        wake_.notify_all();
    }

  private:
    // Waits while more than bytes are queued; false when cut or the device is gone.
    bool WaitWhileQueued(Uint32 bytes) {
        std::unique_lock lock(lock_);
        while (!cut_ && SDL_GetQueuedAudioSize(device_.id()) > bytes) {
            if (SDL_GetAudioDeviceStatus(device_.id()) == SDL_AUDIO_STOPPED) {
                return false;
            }
            wake_.wait_for(lock, kPollInterval);
        }
        return !cut_;
    }

    std::unique_ptr<AudioSubsystem> subsystem_;
    DeviceCloser device_;
    std::mutex lock_;
    std::condition_variable wake_;
    bool cut_ = false;
};

}  // namespace

std::unique_ptr<OutputStream> OpenSdlOutputStream() {
    auto subsystem = std::make_unique<AudioSubsystem>();
    if (!subsystem->ready()) {
        return nullptr;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kCdSampleRate;
    wanted.format = AUDIO_S16LSB;
    wanted.channels = kCdChannels;
    wanted.samples = kDeviceSamples;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        return nullptr;
    }
    return std::make_unique<SdlOutputStream>(std::move(subsystem), device);
}

}  // namespace platform::dsound::linux_backend
