#include "fuzz/mci/DiscFolder.h"

#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/dsound/DirectSound.h"
#include "platform/dsound/loopback/Loopback.h"
#include "platform/mci/AudioSectors.h"

namespace fuzzing {

namespace {

namespace mci = platform::mci;

constexpr int kBinSectors = 300;

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

}  // namespace

const std::filesystem::path& DiscFolder() {
    static const Scratch scratch;
    static const std::filesystem::path folder = [] {
        const auto& path = scratch.path;
        std::vector<char> sectors(static_cast<std::size_t>(kBinSectors) * mci::kSectorBytes, 1);
        std::ofstream(path / "disc.bin", std::ios::binary).write(sectors.data(), sectors.size());
        static platform::dsound::loopback::LoopbackAudioSystem card({});
        platform::dsound::SetAudioSystem(&card);
        return path;
    }();
    return folder;
}

std::filesystem::path WriteSheet(const std::uint8_t* data, std::size_t size, const char* name) {
    const std::filesystem::path sheet = DiscFolder() / name;
    // A fresh file rather than one cut to nothing: ext4 writes a truncated file out to the disk
    // when it is closed, which made every input cost milliseconds.
    std::error_code ignored;
    std::filesystem::remove(sheet, ignored);
    std::ofstream(sheet, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return sheet;
}

void AskEverything(mci::CdDevice& drive) {
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

}  // namespace fuzzing
