#pragma once
// A CD image as a CUE sheet and the raw BIN file beside it (same name, ".bin"): audio tracks of
// our drum pattern, or data tracks of blank sectors, one after the other without gaps.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/mci/AudioSectors.h"
#include "tools/velorin-disc/RhythmTrack.h"

namespace disc {

using platform::mci::kSamplesPerSector;
using platform::mci::kSectorsPerSecond;
constexpr std::int64_t kMaxSectors = 80 * 60 * kSectorsPerSecond;  // an 80-minute disc

struct ImageTrack {
    std::int64_t sectors = 0;
    bool data = false;
    RhythmTrack rhythm;
};

// The BIN file that goes with cue.
std::filesystem::path BinPath(const std::filesystem::path& cue);

// The CUE sheet's text for tracks stored in the file named bin.
std::string CueSheet(const std::string& bin, const std::vector<ImageTrack>& tracks);

// Writes both files under temporary names and renames them into place, so a failure leaves any
// earlier image as it was and no half-written one. On failure, error says what went wrong.
bool WriteCueImage(const std::filesystem::path& cue, const std::vector<ImageTrack>& tracks,
                   std::string& error);

}  // namespace disc
