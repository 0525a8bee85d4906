#pragma once
// Sounds on SDL2 audio. A player thread opens a device for each sound, waits for it to end, be
// replaced or be stopped, and closes the device again, so nothing runs while all is silent.
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/sound/Sound.h"
#include "platform/sound/linux/Clip.h"

namespace platform::sound {

class SystemSound final : public SoundBackend {
  public:
    SystemSound();
    ~SystemSound() override;
    SystemSound(const SystemSound&) = delete;
    SystemSound& operator=(const SystemSound&) = delete;

    // False when SDL found no audio driver or device; every Play then returns false at once.
    bool HasAudio() const { return initialised_; }

    bool Play(const std::string& fileName, SoundFlags flags) override;
    void Stop() override;

  private:
    // Posts a request (a clip, or none to stop) and returns its number.
    std::uint64_t Post(std::optional<Clip> clip, bool loop);
    // Waits until the player has finished request `number`; true when it played.
    bool WaitFinished(std::uint64_t number);
    void RunPlayer();
    bool PlayOnDevice(const Clip& clip, bool loop, std::uint64_t number);
    static void FillCallback(void* self, Uint8* stream, int length);
    void Fill(Uint8* stream, std::size_t length);

    bool initialised_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    // Requests are numbered; the player always takes the newest and skips the ones it replaced.
    std::optional<Clip> pending_;
    bool pendingLoop_ = false;
    std::uint64_t requested_ = 0;
    std::uint64_t finished_ = 0;
    bool lastPlayed_ = false;
    bool quitting_ = false;
    // The voice the device callback reads; guarded by mutex_.
    const Clip* voice_ = nullptr;
    std::size_t position_ = 0;  // bytes of voice_ handed to the device
    bool loop_ = false;
    Uint8 silence_ = 0;
    bool drained_ = false;  // every byte was handed over and one more period has played
    std::thread player_;
};

}  // namespace platform::sound
