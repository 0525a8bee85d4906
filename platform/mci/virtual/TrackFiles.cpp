#include "platform/mci/virtual/TrackFiles.h"

#include <sndfile.h>

#include <cstdio>

namespace platform::mci::virtualdisc {

std::filesystem::path TrackPath(const std::filesystem::path& folder, int track) {
    char name[16];
    std::snprintf(name, sizeof name, "track%02d.wav", track);
    return folder / name;
}

int CountTracks(const std::filesystem::path& folder) {
    int count = 0;
    std::error_code error;
    while (count < kMaxTracks &&
           std::filesystem::is_regular_file(TrackPath(folder, count + 1), error)) {
        ++count;
    }
    return count;
}

std::optional<Msf> TrackFileLength(const std::filesystem::path& file) {
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    if (sound == nullptr) {
        return std::nullopt;
    }
    sf_close(sound);
    if (info.samplerate <= 0) {
        return std::nullopt;
    }
    const long long frames = info.frames * kFramesPerSecond / info.samplerate;
    const long long seconds = frames / kFramesPerSecond;
    return Msf{static_cast<std::uint8_t>(seconds / 60), static_cast<std::uint8_t>(seconds % 60),
               static_cast<std::uint8_t>(frames % kFramesPerSecond)};
}

}  // namespace platform::mci::virtualdisc
