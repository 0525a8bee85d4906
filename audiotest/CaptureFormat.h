#pragma once
// The capture formats the engine can ask for, as codes: rate x 1000 + channels x 100 + bits,
// where the rate part is 8, 11, 22 or 44 (kHz without the fraction).
#include <array>
#include <cstdint>

#include "platform/dsound/DirectSound.h"

inline constexpr std::array<std::uint32_t, 16> CaptureFormatCodes = {
    8108,  8208,  8116,  8216,  11108, 11208, 11116, 11216,
    22108, 22208, 22116, 22216, 44108, 44208, 44116, 44216};

// Fills rate, bits, channels, block alignment and bytes a second; leaves the format tag and
// cbSize alone. Returns 1.
std::int32_t DecodeCaptureFormat(std::uint32_t code, platform::dsound::WaveFormat& format);
