#pragma once
// Handles on SDL's audio: the subsystem kept initialised and an open device closed with its owner.
#include <SDL2/SDL.h>

namespace platform::dsound::linux_backend {

// Keeps SDL's audio subsystem initialised while alive (SDL counts the initialisations).
class AudioSubsystem {
  public:
    AudioSubsystem() : ready_(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}
    ~AudioSubsystem() {
        if (ready_) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    AudioSubsystem(const AudioSubsystem&) = delete;
    AudioSubsystem& operator=(const AudioSubsystem&) = delete;
    bool ready() const { return ready_; }

  private:
    bool ready_;
};

class DeviceCloser {
  public:
    explicit DeviceCloser(SDL_AudioDeviceID device) : device_(device) {}
    ~DeviceCloser() { SDL_CloseAudioDevice(device_); }
    DeviceCloser(const DeviceCloser&) = delete;
    DeviceCloser& operator=(const DeviceCloser&) = delete;
    SDL_AudioDeviceID id() const { return device_; }

  private:
    SDL_AudioDeviceID device_;
};

constexpr Uint16 kDeviceSamples = 1024;  // frames per callback

}  // namespace platform::dsound::linux_backend
