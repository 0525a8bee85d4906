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

// DirectSound on the default playback device with the priority cooperative level. The level
// wants a window; the launcher's audio has none of its own, so the desktop window stands in.
// Null when there is no device.
inline ComPtr<IDirectSound8> OpenDirectSound() {
    ComPtr<IDirectSound8> sound;
    if (FAILED(::DirectSoundCreate8(nullptr, sound.GetAddressOf(), nullptr)) ||
        FAILED(sound->SetCooperativeLevel(::GetDesktopWindow(), DSSCL_PRIORITY))) {
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
