#pragma once
// A CD image as a CUE sheet and the raw BIN file beside it that the sheet names: audio tracks of
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
// An 80-minute disc.
constexpr std::int64_t kMaxSectors = std::int64_t{80} * 60 * kSectorsPerSecond;
constexpr int kMaxTracks = 99;  // as on every disc
constexpr int kMaxDataNumber = 99;

struct ImageTrack {
    std::int64_t sectors = 0;
    bool data = false;
    RhythmTrack rhythm;
};

// The names the data of the image cue may have: IMAGE.bin (number 0), IMAGE.1.bin, ... up to
// kMaxDataNumber.
std::filesystem::path DataPath(const std::filesystem::path& cue, int number);

// Why a sheet of this name could not name its data so that every reader takes it, or nothing: a
// line break or a quote would break the sheet's FILE line, and the launcher reads only a plain
// file name that Windows could have too.
std::string NameProblem(const std::filesystem::path& cue);

// The CUE sheet's text for tracks stored in the file named bin.
std::string CueSheet(const std::string& bin, const std::vector<ImageTrack>& tracks);

// Writes the data under the first of its names not yet taken and then the sheet naming it, which
// replaces an earlier sheet in one step; the earlier image's data goes last. However a run ends,
// the sheet names either the earlier image's data or the new one's, each whole. On failure, error
// says what went wrong.
bool WriteCueImage(const std::filesystem::path& cue, const std::vector<ImageTrack>& tracks,
                   std::string& error);

}  // namespace disc
