#pragma once
// A CD image read by our own CUE sheet reader (CueSheet.h) and played from its BIN: the CD audio
// device for every image, on every platform. Only regular files are opened, so a FIFO or a device
// in the place of the sheet or the BIN is refused instead of waited on.
#include <filesystem>
#include <memory>

#include "platform/mci/Mci.h"

namespace platform::mci::cue {

// Null when the sheet is not one we read or its BIN is not a file; the reason goes to the debug
// output.
std::unique_ptr<CdDevice> OpenCueImage(const std::filesystem::path& sheet);

// True when location names a CUE sheet (by its extension, in any case).
bool IsCueSheetName(const std::filesystem::path& location);

}  // namespace platform::mci::cue
