#include "platform/sound/win32/SystemSound.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace platform::sound {

bool SystemSound::Play(const std::string& fileName, SoundFlags flags) {
    DWORD mode = SND_FILENAME | SND_SYNC;
    if (HasFlag(flags, SoundFlags::Loop)) {
        mode = SND_FILENAME | SND_ASYNC | SND_LOOP;
    } else if (HasFlag(flags, SoundFlags::Async)) {
        mode = SND_FILENAME | SND_ASYNC;
    }
    return ::PlaySoundA(fileName.c_str(), nullptr, mode) != FALSE;
}

void SystemSound::Stop() {
    ::PlaySoundA(nullptr, nullptr, 0);
}

std::unique_ptr<SoundBackend> CreateSystemSound() {
    return std::make_unique<SystemSound>();
}

}  // namespace platform::sound
