#pragma once
// Short WAVE sounds played by file name: the click, the snap and the credits music. One sound
// plays at a time; a new one replaces it. Names may use '\' as the folder separator.
#include <memory>
#include <string>

namespace platform::sound {

enum class SoundFlags : unsigned {
    Sync = 0,            // returns when the sound has finished
    Async = 1U << 0,     // returns at once; the sound plays on
    Loop = 1U << 1,      // repeats until replaced or stopped; implies Async
    FileName = 1U << 2,  // the name is a file path (the only kind of name there is)
};

constexpr SoundFlags operator|(SoundFlags a, SoundFlags b) {
    return static_cast<SoundFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasFlag(SoundFlags set, SoundFlags flag) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) != 0;
}

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    // A missing or unreadable file plays the default sound instead; false: nothing could play.
    virtual bool Play(const std::string& fileName, SoundFlags flags) = 0;
    // Silences whatever is playing; returns once it is silent.
    virtual void Stop() = 0;
};

// Plays fileName; a null fileName stops the sound that is playing ("no sound"). Without an
// installed backend nothing plays, the result is false and the debug output says so.
bool PlaySound(const char* fileName, SoundFlags flags);

// Installs the backend every later PlaySound uses; the caller keeps ownership.
void SetSoundBackend(SoundBackend* backend);

// The platform's own player.
std::unique_ptr<SoundBackend> CreateSystemSound();
// Plays nothing (every Play is false): the sounds of a launcher on the in-process loopback card,
// which has no output a person hears.
std::unique_ptr<SoundBackend> CreateSilence();

}  // namespace platform::sound
