#pragma once
// The command line of velorin-beats.
#include <optional>
#include <string>

inline constexpr const char* kUsage =
    "usage: velorin-beats [--duration SECONDS] [--plot FILE.svg|FILE.png] FILE.wav";

struct Arguments {
    bool help = false;
    std::string path;
    std::optional<float> durationSeconds;
    std::string plotPath;  // empty: no picture
};

// Options come before the file, each at most once; --help alone asks for the usage.
std::optional<Arguments> ParseArguments(int argc, char** argv, std::string& error);
