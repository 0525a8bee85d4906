#include "tests/support/TempDisc.h"

#include <unistd.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

#include "tools/velorin-disc/CueImage.h"

namespace testing_support {

namespace {
std::atomic<int> g_discs{0};
}  // namespace

TempDisc::TempDisc(std::initializer_list<DiscTrack> tracks, float loudness) {
    folder_ = std::filesystem::temp_directory_path() /
              ("velorin-disc-" + std::to_string(getpid()) + "-" + std::to_string(++g_discs));
    std::filesystem::create_directories(folder_);
    std::vector<disc::ImageTrack> imageTracks;
    for (const DiscTrack& track : tracks) {
        imageTracks.push_back({std::llround(track.seconds * disc::kSectorsPerSecond), track.data,
                               disc::RhythmTrack{120.0, loudness}});
    }
    std::string error;
    if (!imageTracks.empty()) {
        disc::WriteCueImage(image(), imageTracks, error);
    }
}

TempDisc::~TempDisc() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

}  // namespace testing_support
