#pragma once
// Writes mono 16-bit PCM WAVE files: the plain format every sound player reads.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace art {

bool WriteWave(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
               int sampleRate);

}  // namespace art
