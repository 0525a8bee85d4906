// velorin-beats [--duration SECONDS] FILE.wav: runs the beat estimator offline over an audio file
// and prints its tempo and predicted beat times as one JSON object.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "beat/BeatEstimator.h"
#include "tools/common/StandardOutput.h"
#include "tools/velorin-beats/BeatRun.h"
#include "tools/velorin-beats/PcmReader.h"

namespace {

constexpr int kBadInput = 2;
constexpr int kMaxSampleRate = 1'000'000;  // keeps a half-second block well inside memory

struct Arguments {
    std::string path;
    std::optional<float> durationSeconds;
};

std::optional<float> ParseSeconds(const char* text) {
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || errno != 0 || !std::isfinite(value) || value <= 0.0) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

std::optional<Arguments> ParseArguments(int argc, char** argv, std::string& error) {
    Arguments arguments;
    int next = 1;
    if (next + 1 < argc && std::string_view(argv[next]) == "--duration") {
        arguments.durationSeconds = ParseSeconds(argv[next + 1]);
        if (!arguments.durationSeconds) {
            error = std::string("not a positive number of seconds: ") + argv[next + 1];
            return std::nullopt;
        }
        next += 2;
    }
    if (next + 1 != argc) {
        error = "usage: velorin-beats [--duration SECONDS] FILE.wav";
        return std::nullopt;
    }
    arguments.path = argv[next];
    return arguments;
}

std::optional<std::string> Unusable(const PcmReader& reader) {
    if (reader.SampleRate() < 1 || reader.SampleRate() > kMaxSampleRate) {
        return "unsupported sample rate " + std::to_string(reader.SampleRate());
    }
    if (reader.Frames() <= 0) {
        return std::string("no audio");
    }
    if (HalfSecondBlockBytes(reader) == 0) {
        return "sample rate too low: " + std::to_string(reader.SampleRate());
    }
    return std::nullopt;
}

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
    std::string error;
    const std::optional<Arguments> arguments = ParseArguments(argc, argv, error);
    if (!arguments) {
        return Fail(error);
    }
    std::optional<PcmReader> reader = PcmReader::Open(arguments->path, error);
    if (!reader) {
        return Fail(error);
    }
    if (const std::optional<std::string> reason = Unusable(*reader)) {
        return Fail(arguments->path + ": " + *reason);
    }
    const float duration = arguments->durationSeconds.value_or(
        static_cast<float>(double(reader->Frames()) / reader->SampleRate()));
    BeatEstimator estimator;
    RunEstimator(estimator, *reader, duration);
    PrintJson(estimator);
    return tools::StandardOutputWritten("velorin-beats") ? 0 : kBadInput;
}
