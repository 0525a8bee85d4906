// Every number velorin-beats prints for a set of click and music-like files, compared with the
// answers kept in expected/: a faster reader or estimator must print the very same text. Only a
// deliberate change of the results rewrites them: VELORIN_BEATS_RECORD=1 when running the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/beat/Signals.h"
#include "tests/support/ChildProcess.h"

namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    std::vector<std::int16_t> (*signal)(int, double, double);
    int rate;
    int channels;
    int bits;  // integer PCM, 8-bit unsigned
    double seconds;
    double beatsPerSecond;
    const char* duration;  // --duration, or nothing
};

std::vector<std::int16_t> Clicks(int rate, double seconds, double beatsPerSecond) {
    return beat_signals::ClickTrack(rate, seconds, beatsPerSecond, 0.07);
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"clicks-44100-mono16", Clicks, 44100, 1, 16, 30.0, 2.1, nullptr},
        {"clicks-22050-mono8", Clicks, 22050, 1, 8, 26.0, 1.7, nullptr},
        {"music-44100-stereo16", beat_signals::MusicLike, 44100, 2, 16, 60.0, 2.05, nullptr},
        {"music-11025-mono16", beat_signals::MusicLike, 11025, 1, 16, 31.0, 2.4, "40"},
        {"music-48000-stereo24", beat_signals::MusicLike, 48000, 2, 24, 20.0, 1.8, nullptr},
    };
    return cases;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int byte = 0; byte < bytes; ++byte) {
        out.push_back(static_cast<char>((value >> (8 * byte)) & 0xFF));
    }
}

// A 16-bit sample stored in the case's width: 8-bit unsigned keeps the top byte, 24-bit adds a
// zero byte below.
void PutSample(std::string& out, std::int16_t sample, int bits) {
    if (bits == 8) {
        out.push_back(static_cast<char>((sample >> 8) + 128));
        return;
    }
    const auto value = static_cast<std::uint16_t>(sample);
    PutLittleEndian(out, bits == 24 ? std::uint32_t{value} << 8 : value, bits / 8);
}

// Channel c carries the signal scaled by 1 / (c + 1), so averaging has something to do.
void WriteWave(const fs::path& path, const Case& c) {
    std::string data;
    for (const std::int16_t sample : c.signal(c.rate, c.seconds, c.beatsPerSecond)) {
        for (int channel = 0; channel < c.channels; ++channel) {
            PutSample(data, static_cast<std::int16_t>(sample / (channel + 1)), c.bits);
        }
    }
    const auto block = static_cast<std::uint32_t>(c.channels * c.bits / 8);
    std::string wave = "RIFF";
    PutLittleEndian(wave, static_cast<std::uint32_t>(36 + data.size()), 4);
    wave += "WAVEfmt ";
    PutLittleEndian(wave, 16, 4);
    PutLittleEndian(wave, 1, 2);  // integer PCM
    PutLittleEndian(wave, static_cast<std::uint32_t>(c.channels), 2);
    PutLittleEndian(wave, static_cast<std::uint32_t>(c.rate), 4);
    PutLittleEndian(wave, static_cast<std::uint32_t>(c.rate) * block, 4);
    PutLittleEndian(wave, block, 2);
    PutLittleEndian(wave, static_cast<std::uint32_t>(c.bits), 2);
    wave += "data";
    PutLittleEndian(wave, static_cast<std::uint32_t>(data.size()), 4);
    std::ofstream(path, std::ios::binary) << wave << data;
}

fs::path ExpectedFile(const std::string& name) {
    return fs::path(VELORIN_BEATS_EXPECTED) / (name + ".json");
}

std::string Expected(const std::string& name) {
    std::ifstream in(ExpectedFile(name));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(KnownResults, EveryPrintedNumberStaysTheSame) {
    const fs::path folder =
        fs::temp_directory_path() / ("velorin-beats-known-" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (const Case& c : Cases()) {
        const fs::path wave = folder / (std::string(c.name) + ".wav");
        WriteWave(wave, c);
        std::vector<std::string> argv = {VELORIN_BEATS_PROGRAM};
        if (c.duration != nullptr) {
            argv.insert(argv.end(), {"--duration", c.duration});
        }
        argv.push_back(wave.string());
        const testing_support::ProgramResult result = testing_support::RunProgram(argv);
        EXPECT_EQ(result.status, 0) << c.name << ": " << result.err;
        if (std::getenv("VELORIN_BEATS_RECORD") != nullptr) {
            std::ofstream(ExpectedFile(c.name)) << result.out;
        }
        EXPECT_EQ(result.out, Expected(c.name)) << c.name;
    }
    fs::remove_all(folder);
}

}  // namespace
