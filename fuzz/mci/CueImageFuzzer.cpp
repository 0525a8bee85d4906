// Writes arbitrary bytes under every name a user may give VELORIN_CD (sheets in any letter case,
// other image kinds, a BIN, no extension), beside a BIN of a few seconds, and opens each through
// the CD audio device: whatever opens answers everything the launcher asks.
#include <cstdint>

#include "fuzz/mci/DiscFolder.h"
#include "platform/debug/DebugOutput.h"

namespace {

constexpr const char* kNames[] = {"disc.cue", "DISC.CUE",  "image.Cue", "disc.toc",     "disc.nrg",
                                  "disc.iso", "image.bin", "disc",      "disc.cue.bin", ".cue"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Per input: the lines saying why each name was refused would pile up over a long run.
    const platform::debug::CapturedDebugOutput quiet;
    for (const char* name : kNames) {
        platform::mci::SetCdLocation(fuzzing::WriteSheet(data, size, name).string());
        if (auto drive = platform::mci::OpenCdAudio()) {
            fuzzing::AskEverything(*drive);
        }
    }
    return 0;
}
