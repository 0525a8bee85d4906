// velorin-disc FOLDER [SECONDS ...]: makes FOLDER a virtual audio CD (set VELORIN_CD to it), one
// drum track per length given (default: one track of 30 seconds).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/mci/virtual/TrackFiles.h"
#include "tools/velorin-disc/RhythmTrack.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: velorin-disc FOLDER [SECONDS ...]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::vector<double> lengths;
    for (int index = 2; index < argc; ++index) {
        lengths.push_back(std::strtod(argv[index], nullptr));
    }
    if (lengths.empty()) {
        lengths.push_back(30.0);
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (std::size_t track = 0; track < lengths.size(); ++track) {
        const auto file =
            platform::mci::virtualdisc::TrackPath(folder, static_cast<int>(track) + 1);
        if (!disc::WriteRhythmTrack(file, disc::RhythmTrack{lengths[track]})) {
            std::fprintf(stderr, "velorin-disc: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
