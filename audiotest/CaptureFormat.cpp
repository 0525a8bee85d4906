#include "audiotest/CaptureFormat.h"

namespace {
constexpr std::uint32_t kRateUnit = 11025;  // 11, 22 and 44 are multiples of 11.025 kHz
}  // namespace

std::int32_t DecodeCaptureFormat(std::uint32_t code, platform::dsound::WaveFormat& format) {
    const std::uint32_t kilohertz = code / 1000;
    format.samplesPerSec = kilohertz == 8 ? 8000 : (kilohertz / 11) * kRateUnit;
    format.bitsPerSample = static_cast<std::uint16_t>(code % 100);
    format.channels = static_cast<std::uint16_t>((code % 1000) / 100);
    format.blockAlign = static_cast<std::uint16_t>((format.bitsPerSample / 8) * format.channels);
    format.avgBytesPerSec = format.blockAlign * format.samplesPerSec;
    return 1;
}
