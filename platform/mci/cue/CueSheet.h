#pragma once
// A CUE sheet as the images we play are written: one BINARY file of raw 2,352-byte sectors beside
// the sheet, tracks numbered 1, 2, 3, ... each with an INDEX 01. The reader is strict: anything
// else (a second FILE, a path in the file name, tracks out of order, positions going backwards,
// other sector sizes, commands it does not know) refuses the whole sheet, with the line and the
// reason.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::mci::cue {

// A sheet is a few lines per track; anything larger is not one.
constexpr std::size_t kMaxSheetBytes = std::size_t{64} * 1024;

struct CueTrack {
    bool audio = false;
    std::int32_t start = 0;  // INDEX 01, in sectors from the file's start
};

struct CueSheet {
    std::string file;              // the BIN's name: a plain file name in the sheet's folder
    std::vector<CueTrack> tracks;  // track 1 first
};

struct CueResult {
    std::optional<CueSheet> sheet;
    std::string problem;  // when there is no sheet: "line N: reason"
};

CueResult ReadCueSheet(std::string_view text);

}  // namespace platform::mci::cue
