#include "tests/support/TempDisc.h"

#include <unistd.h>
#include <atomic>
#include <string>

#include "platform/mci/virtual/TrackFiles.h"
#include "tools/velorin-disc/RhythmTrack.h"

namespace testing_support {

namespace {
std::atomic<int> g_discs{0};
}  // namespace

TempDisc::TempDisc(std::initializer_list<double> trackSeconds, float loudness) {
    folder_ = std::filesystem::temp_directory_path() /
              ("velorin-disc-" + std::to_string(getpid()) + "-" + std::to_string(++g_discs));
    std::filesystem::create_directories(folder_);
    int track = 0;
    for (double seconds : trackSeconds) {
        disc::WriteRhythmTrack(platform::mci::virtualdisc::TrackPath(folder_, ++track),
                               disc::RhythmTrack{seconds, 120.0, loudness});
    }
}

TempDisc::~TempDisc() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

}  // namespace testing_support
