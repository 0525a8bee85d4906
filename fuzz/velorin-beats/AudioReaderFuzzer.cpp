// velorin-beats on an arbitrary file: the audio library's reading, the tool's checks, skipping,
// reading and averaging, the estimator run and the band recording for the picture. The input
// goes into an in-memory file that the reader opens by name, as the tool opens a user's file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "beat/BeatEstimator.h"
#include "tools/velorin-beats/BeatPlot.h"
#include "tools/velorin-beats/BeatRun.h"
#include "tools/velorin-beats/PcmReader.h"

namespace {

const std::string& InputPath() {
    static const std::string path = [] {
        const int fd = memfd_create("velorin-beats-input", 0);
        if (fd < 0) {
            std::abort();
        }
        return "/proc/self/fd/" + std::to_string(fd);
    }();
    return path;
}

bool Store(const std::uint8_t* data, std::size_t size) {
    const int fd = std::stoi(InputPath().substr(InputPath().rfind('/') + 1));
    return ftruncate(fd, 0) == 0 && pwrite(fd, data, size, 0) == static_cast<ssize_t>(size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!Store(data, size)) {
        std::abort();
    }
    std::string error;
    std::optional<PcmReader> reader = PcmReader::Open(InputPath(), error);
    if (!reader || reader->Unusable()) {
        return 0;
    }
    BeatEstimator estimator;
    BandRecorder recorder;
    const auto seconds = static_cast<float>(double(reader->Frames()) / reader->SampleRate());
    RunEstimator(estimator, *reader, seconds, std::ref(recorder));
    const std::size_t frames = recorder.Bands().empty() ? 0 : recorder.Bands()[0].size();
    for (const auto& band : recorder.Bands()) {
        if (band.size() != frames) {
            __builtin_trap();  // every band holds one value per analysed frame
        }
    }
    return 0;
}
