// Our own CUE sheet reader on arbitrary bytes: a sheet it accepts names a plain file and tracks
// that start strictly one after the other, a sheet it refuses says why, and an image opened from
// it answers everything the launcher asks.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/mci/DiscFolder.h"
#include "platform/debug/DebugOutput.h"
#include "platform/mci/cue/CueImage.h"
#include "platform/mci/cue/CueSheet.h"

namespace {

namespace cue = platform::mci::cue;

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void CheckSheet(const cue::CueResult& read) {
    if (!read.sheet.has_value()) {
        Check(!read.problem.empty());
        return;
    }
    const cue::CueSheet& sheet = *read.sheet;
    Check(!sheet.file.empty() && sheet.file.find_first_of("/\\:") == std::string::npos &&
          sheet.file != "..");
    Check(!sheet.tracks.empty() && sheet.tracks.size() <= 99);
    Check(std::adjacent_find(sheet.tracks.begin(), sheet.tracks.end(),
                             [](const auto& a, const auto& b) { return b.start <= a.start; }) ==
          sheet.tracks.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::debug::CapturedDebugOutput quiet;  // why the sheet was refused, per input
    CheckSheet(cue::ReadCueSheet(std::string_view(reinterpret_cast<const char*>(data), size)));
    if (auto drive = cue::OpenCueImage(fuzzing::WriteSheet(data, size))) {
        fuzzing::AskEverything(*drive);
    }
    return 0;
}
