// velorin-disc IMAGE.cue [SECONDS ...]: writes a CD image of our own drum tracks (IMAGE.cue and
// the data it names), for VELORIN_CD on a machine without a drive or a disc.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/StandardOutput.h"
#include "tools/velorin-disc/CueImage.h"

namespace {

constexpr double kDefaultSeconds = 30.0;
constexpr double kMaxSeconds = 80.0 * 60.0;

constexpr const char* kUsage =
    "usage: velorin-disc IMAGE.cue [SECONDS ...]\n"
    "Writes a CD image of drum tracks: the CUE sheet IMAGE.cue and its data beside it, IMAGE.bin\n"
    "or, while an earlier image's data has that name, IMAGE.1.bin (the sheet names which). One\n"
    "audio track per length in seconds (default: one track of 30 seconds), at most 99 tracks;\n"
    "each length is a number above 0, and the tracks last 80 minutes in all at most. The name\n"
    "cannot hold control characters or any of \" \\ : * ? < > |. An earlier image of the same\n"
    "name is replaced only once the new one is complete.\n";

int Usage(const std::string& problem) {
    std::fprintf(stderr, "velorin-disc: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

std::optional<double> Seconds(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value <= 0.0) {
        return std::nullopt;
    }
    return value;
}

// One drum track per length, each a whole number of sectors and at least one.
std::optional<std::vector<disc::ImageTrack>> Tracks(const std::vector<std::string>& lengths,
                                                    std::string& problem) {
    if (lengths.size() > disc::kMaxTracks) {
        problem = "more than " + std::to_string(disc::kMaxTracks) + " tracks";
        return std::nullopt;
    }
    std::vector<disc::ImageTrack> tracks;
    double total = 0.0;
    for (const std::string& length : lengths) {
        const std::optional<double> seconds = Seconds(length);
        if (!seconds.has_value()) {
            problem = "not a length in seconds above 0: '" + length + "'";
            return std::nullopt;
        }
        total += *seconds;
        const auto sectors =
            std::max<std::int64_t>(1, std::llround(*seconds * disc::kSectorsPerSecond));
        tracks.push_back({sectors, false, {}});
    }
    if (total > kMaxSeconds) {
        problem = "the tracks last longer than 80 minutes in all";
        return std::nullopt;
    }
    return tracks;
}

}  // namespace

int main(int argc, char** argv) {
    tools::ReportFileSizeLimit();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const std::string& argument : arguments) {
        if (argument == "--help") {
            std::fputs(kUsage, stdout);
            return tools::StandardOutputWritten("velorin-disc") ? 0 : 1;
        }
    }
    if (arguments.empty()) {
        return Usage("no image named");
    }
    const std::filesystem::path cue = arguments[0];
    if (cue.extension() != ".cue" || cue.stem().empty()) {
        return Usage("the image's name must end in .cue: '" + arguments[0] + "'");
    }
    if (const std::string problem = disc::NameProblem(cue); !problem.empty()) {
        return Usage(problem);
    }
    std::vector<std::string> lengths(arguments.begin() + 1, arguments.end());
    if (lengths.empty()) {
        lengths.push_back(std::to_string(kDefaultSeconds));
    }
    std::string problem;
    const auto tracks = Tracks(lengths, problem);
    if (!tracks.has_value()) {
        return Usage(problem);
    }
    if (!disc::WriteCueImage(cue, *tracks, problem)) {
        std::fprintf(stderr, "velorin-disc: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}
