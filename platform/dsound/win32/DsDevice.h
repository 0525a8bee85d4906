#pragma once
// Handles on DirectSound: COM interfaces released with their owner, and the playback object on
// the default device that every playback use starts from.
#include <dsound.h>
#include <mmreg.h>
#include <windows.h>
#include <wrl/client.h>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound::win32_backend {

using Microsoft::WRL::ComPtr;

// DirectSound on the default playback device with the normal cooperative level: the stream's
// buffer is mixed into the device's own format, so the primary buffer's format is never set (what
// the priority level would be for). The level wants a window; the launcher's audio has none of
// its own, so the desktop window stands in. Null when there is no device.
inline ComPtr<IDirectSound> OpenDirectSound() {
    ComPtr<IDirectSound> sound;
    if (FAILED(::DirectSoundCreate(nullptr, sound.GetAddressOf(), nullptr)) ||
        FAILED(sound->SetCooperativeLevel(::GetDesktopWindow(), DSSCL_NORMAL))) {
        return nullptr;
    }
    return sound;
}

inline WAVEFORMATEX ToWaveFormatEx(const WaveFormat& format) {
    WAVEFORMATEX system{};
    system.wFormatTag = format.formatTag;
    system.nChannels = format.channels;
    system.nSamplesPerSec = format.samplesPerSec;
    system.nAvgBytesPerSec = format.avgBytesPerSec;
    system.nBlockAlign = format.blockAlign;
    system.wBitsPerSample = format.bitsPerSample;
    system.cbSize = 0;
    return system;
}

}  // namespace platform::dsound::win32_backend
