#pragma once
// What the CD image fuzz targets share: a folder of the run's own holding a BIN of a few seconds
// beside the sheet each input becomes, the loopback card to play into, and every question the
// launcher asks a CD audio device.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "platform/mci/Mci.h"

namespace fuzzing {

// Made once for the whole run (and removed when it ends); the loopback card is installed then.
const std::filesystem::path& DiscFolder();

// Writes data as the folder's file of that name (beside disc.bin) and returns its path.
std::filesystem::path WriteSheet(const std::uint8_t* data, std::size_t size,
                                 const char* name = "disc.cue");

// The track count, every track's length, and a play of each track up to the next, stopped at once.
void AskEverything(platform::mci::CdDevice& drive);

}  // namespace fuzzing
