// Opens arbitrary bytes as a CD image's CUE sheet, beside a BIN of a few seconds, and asks the CD
// audio device everything the launcher asks: the track count, every track's length, and a play of
// each track up to the next, stopped at once (the loopback card hears it).
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/debug/DebugOutput.h"
#include "platform/dsound/DirectSound.h"
#include "platform/dsound/loopback/Loopback.h"
#include "platform/mci/Mci.h"

namespace {

namespace mci = platform::mci;

constexpr int kBinSectors = 300;
constexpr int kSectorBytes = 2352;

// A folder of the run's own, removed when it ends.
struct Scratch {
    Scratch()
        : path(std::filesystem::temp_directory_path() /
               ("velorin-cue-fuzz-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

// The folder, the BIN and the loopback card, made once for the whole run.
const std::filesystem::path& Folder() {
    static const Scratch scratch;
    static const std::filesystem::path folder = [] {
        const auto& path = scratch.path;
        std::vector<char> sectors(static_cast<std::size_t>(kBinSectors) * kSectorBytes, 1);
        std::ofstream(path / "disc.bin", std::ios::binary).write(sectors.data(), sectors.size());
        static platform::dsound::loopback::LoopbackAudioSystem card({});
        platform::dsound::SetAudioSystem(&card);
        mci::SetCdLocation((path / "disc.cue").string());
        return path;
    }();
    return folder;
}

void Ask(mci::CdDevice& drive) {
    const auto count = drive.NumberOfTracks();
    for (int track = 0; track <= 100; ++track) {
        drive.TrackLength(track);
    }
    if (!count.has_value() || !drive.SetTimeFormat(mci::TimeFormat::Tmsf)) {
        return;
    }
    for (int track = 1; track <= *count && track < 100; ++track) {
        const auto next = static_cast<std::uint8_t>(track + 1);
        drive.Play({static_cast<std::uint8_t>(track), 0, 0, 0}, mci::Tmsf{next, 0, 0, 0});
        drive.Stop();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform::debug::CapturedDebugOutput quiet;  // libcdio's complaints about bad sheets
    const auto& folder = Folder();
    std::ofstream(folder / "disc.cue", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (auto drive = mci::OpenCdAudio()) {
        Ask(*drive);
    }
    return 0;
}
