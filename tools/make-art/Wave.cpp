#include "tools/make-art/Wave.h"

#include <fstream>

namespace art {
namespace {

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

bool WriteWave(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
               int sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBitsPerSample = 16;
    constexpr std::uint32_t kBlockAlign = kChannels * kBitsPerSample / 8;
    constexpr std::uint32_t kFormatChunkSize = 16;
    constexpr std::uint32_t kPcm = 1;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    PutLittleEndian(out, 4 + (8 + kFormatChunkSize) + (8 + dataBytes), 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, kFormatChunkSize, 4);
    PutLittleEndian(out, kPcm, 2);
    PutLittleEndian(out, kChannels, 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(sampleRate) * kBlockAlign, 4);
    PutLittleEndian(out, kBlockAlign, 2);
    PutLittleEndian(out, kBitsPerSample, 2);
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace art
