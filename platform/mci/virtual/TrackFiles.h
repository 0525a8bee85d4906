#pragma once
// The files of a virtual disc: track01.wav, track02.wav, ... in one folder, numbered without gaps.
#include <filesystem>
#include <optional>

#include "platform/mci/Mci.h"

namespace platform::mci::virtualdisc {

constexpr int kMaxTracks = 99;

std::filesystem::path TrackPath(const std::filesystem::path& folder, int track);
// Tracks present, counted from track01 up to the first missing number.
int CountTracks(const std::filesystem::path& folder);
// The length of a readable track file, or nothing.
std::optional<Msf> TrackFileLength(const std::filesystem::path& file);

}  // namespace platform::mci::virtualdisc
