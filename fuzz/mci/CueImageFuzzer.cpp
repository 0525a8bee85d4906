// Opens arbitrary bytes as a CD image's CUE sheet through the CD audio device (libcdio on Linux),
// beside a BIN of a few seconds, and asks it everything the launcher asks.
#include <cstdint>

#include "fuzz/mci/DiscFolder.h"
#include "platform/debug/DebugOutput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform::debug::CapturedDebugOutput quiet;  // libcdio's complaints about bad sheets
    platform::mci::SetCdLocation(fuzzing::WriteSheet(data, size).string());
    if (auto drive = platform::mci::OpenCdAudio()) {
        fuzzing::AskEverything(*drive);
    }
    return 0;
}
