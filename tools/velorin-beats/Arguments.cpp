#include "tools/velorin-beats/Arguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace {

// The estimator holds run lengths as 32-bit floats: a value that would round to 0 or overflow
// one is refused rather than narrowed.
std::optional<float> ParseSeconds(const char* text) {
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || errno != 0 || !std::isfinite(value) ||
        value > std::numeric_limits<float>::max() || !(static_cast<float>(value) > 0.0F)) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

bool IsPlotName(std::string_view path) {
    const auto endsWith = [path](std::string_view tail) {
        return path.size() > tail.size() && path.substr(path.size() - tail.size()) == tail;
    };
    return endsWith(".svg") || endsWith(".png");
}

}  // namespace

std::optional<Arguments> ParseArguments(int argc, char** argv, std::string& error) {
    Arguments arguments;
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        arguments.help = true;
        return arguments;
    }
    int next = 1;
    for (; next + 1 < argc; next += 2) {
        const std::string_view option = argv[next];
        const char* const value = argv[next + 1];
        if (option == "--duration" && !arguments.durationSeconds) {
            arguments.durationSeconds = ParseSeconds(value);
            if (!arguments.durationSeconds) {
                error = std::string("not a positive number of seconds up to 3.4e38: ") + value;
                return std::nullopt;
            }
        } else if (option == "--plot" && arguments.plotPath.empty()) {
            if (!IsPlotName(value)) {
                error = std::string("the picture must be a .svg or .png file: ") + value;
                return std::nullopt;
            }
            arguments.plotPath = value;
        } else {
            break;
        }
    }
    if (next + 1 != argc) {
        error = kUsage;
        return std::nullopt;
    }
    arguments.path = argv[next];
    return arguments;
}
