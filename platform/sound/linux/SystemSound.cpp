#include "platform/sound/linux/SystemSound.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform::sound {

namespace {
// Device period in sample frames: about 23 ms at 44.1 kHz, short enough for a prompt click.
constexpr Uint16 kPeriodFrames = 1024;

std::string ToPosixPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
}  // namespace

SystemSound::SystemSound() {
    initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    // A driver that lists no output device (ALSA on a machine without a card) has nothing to open;
    // -1 means it cannot tell, so the device is tried.
    if (initialised_ && SDL_GetNumAudioDevices(0) == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        initialised_ = false;
    }
    if (initialised_) {
        player_ = std::thread([this] { RunPlayer(); });
    }
}

SystemSound::~SystemSound() {
    if (!initialised_) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    changed_.notify_all();
    player_.join();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SystemSound::Play(const std::string& fileName, SoundFlags flags) {
    if (!initialised_) {
        return false;
    }
    Clip clip;
    if (!LoadClip(ToPosixPath(fileName), clip)) {
        clip = DefaultBeep();
    }
    const bool loop = HasFlag(flags, SoundFlags::Loop);
    const std::uint64_t number = Post(std::move(clip), loop);
    if (loop || HasFlag(flags, SoundFlags::Async)) {
        return true;
    }
    return WaitFinished(number);
}

void SystemSound::Stop() {
    if (initialised_) {
        WaitFinished(Post(std::nullopt, false));
    }
}

std::uint64_t SystemSound::Post(std::optional<Clip> clip, bool loop) {
    std::uint64_t number = 0;
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(clip);
        pendingLoop_ = loop;
        number = ++requested_;
    }
    changed_.notify_all();
    return number;
}

bool SystemSound::WaitFinished(std::uint64_t number) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return finished_ >= number; });
    return finished_ == number && lastPlayed_;
}

void SystemSound::RunPlayer() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [&] { return quitting_ || finished_ < requested_; });
        if (quitting_) {
            return;
        }
        const std::uint64_t number = requested_;
        std::optional<Clip> clip = std::move(pending_);
        pending_.reset();
        const bool loop = pendingLoop_;
        lock.unlock();
        const bool played = clip.has_value() && PlayOnDevice(*clip, loop, number);
        lock.lock();
        finished_ = number;
        lastPlayed_ = played;
        changed_.notify_all();
    }
}

bool SystemSound::PlayOnDevice(const Clip& clip, bool loop, std::uint64_t number) {
    SDL_AudioSpec wanted = clip.format;
    wanted.samples = kPeriodFrames;
    wanted.callback = &SystemSound::FillCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) {
        return false;
    }
    std::unique_lock lock(mutex_);
    voice_ = &clip;
    position_ = 0;
    loop_ = loop;
    silence_ = obtained.silence;
    drained_ = false;
    lock.unlock();
    SDL_PauseAudioDevice(device, 0);
    lock.lock();
    changed_.wait(lock, [&] { return drained_ || quitting_ || requested_ > number; });
    lock.unlock();
    // Closing waits for the device thread, which takes mutex_ in its callback: never hold it here.
    SDL_CloseAudioDevice(device);
    lock.lock();
    voice_ = nullptr;
    return true;
}

void SystemSound::FillCallback(void* self, Uint8* stream, int length) {
    static_cast<SystemSound*>(self)->Fill(stream, static_cast<std::size_t>(length));
}

void SystemSound::Fill(Uint8* stream, std::size_t length) {
    std::lock_guard lock(mutex_);
    const std::size_t size = voice_ != nullptr ? voice_->samples.size() : 0;
    if (position_ >= size && !(loop_ && size > 0)) {
        std::memset(stream, silence_, length);
        drained_ = true;
        changed_.notify_all();
        return;
    }
    std::size_t written = 0;
    while (written < length && (position_ < size || (loop_ && size > 0))) {
        if (position_ >= size) {
            position_ = 0;
        }
        const std::size_t chunk = std::min(length - written, size - position_);
        std::memcpy(stream + written, voice_->samples.data() + position_, chunk);
        written += chunk;
        position_ += chunk;
    }
    std::memset(stream + written, silence_, length - written);
}

std::unique_ptr<SoundBackend> CreateSystemSound() {
    return std::make_unique<SystemSound>();
}

}  // namespace platform::sound
