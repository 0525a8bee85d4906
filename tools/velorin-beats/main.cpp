// velorin-beats [--duration SECONDS] [--plot FILE.svg|FILE.png] FILE.wav: runs the beat estimator
// offline over an audio file and prints its tempo and predicted beat times as one JSON object.
#include <cstdio>
#include <optional>
#include <string>

#include "beat/BeatEstimator.h"
#include "tools/common/StandardOutput.h"
#include "tools/velorin-beats/Arguments.h"
#include "tools/velorin-beats/BeatPlot.h"
#include "tools/velorin-beats/BeatRun.h"
#include "tools/velorin-beats/PcmReader.h"

namespace {

constexpr int kBadInput = 2;

void PrintJson(const BeatEstimator& estimator) {
    std::printf("{\"tempo\": %.9g, \"bpm\": %.9g, \"beats\": [", double{estimator.tempo},
                estimator.tempo * 60.0);
    const char* separator = "";
    for (const float time : estimator.beats) {
        std::printf("%s%.9g", separator, double{time});
        separator = ", ";
    }
    std::printf("]}\n");
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "velorin-beats: %s\n", message.c_str());
    return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    tools::ReportFileSizeLimit();
    std::string error;
    const std::optional<Arguments> arguments = ParseArguments(argc, argv, error);
    if (!arguments) {
        return Fail(error);
    }
    if (arguments->help) {
        std::printf("%s\n", kUsage);
        return tools::StandardOutputWritten("velorin-beats") ? 0 : kBadInput;
    }
    std::optional<PcmReader> reader = PcmReader::Open(arguments->path, error);
    if (!reader) {
        return Fail(error);
    }
    if (const std::optional<std::string> reason = reader->Unusable()) {
        return Fail(arguments->path + ": " + *reason);
    }
    const float duration = arguments->durationSeconds.value_or(
        static_cast<float>(double(reader->Frames()) / reader->SampleRate()));
    BeatEstimator estimator;
    BandRecorder recorder;
    RunEstimator(estimator, *reader, duration,
                 arguments->plotPath.empty() ? PieceFed{} : PieceFed(std::ref(recorder)));
    if (!arguments->plotPath.empty() &&
        !DrawBeatPlot(arguments->plotPath, arguments->path, recorder, estimator, error)) {
        return Fail(error);
    }
    PrintJson(estimator);
    return tools::StandardOutputWritten("velorin-beats") ? 0 : kBadInput;
}
