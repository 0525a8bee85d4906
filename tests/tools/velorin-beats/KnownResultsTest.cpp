// Every number velorin-beats prints for a set of click and music-like files, compared with the
// answers kept in expected/: a faster reader or estimator must print the very same text. Only a
// deliberate change of the results rewrites them: VELORIN_BEATS_RECORD=1 when running the test.
#include <gtest/gtest.h>
#include <sndfile.h>

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
    int format;
    double seconds;
    double beatsPerSecond;
    const char* duration;  // --duration, or nothing
};

std::vector<std::int16_t> Clicks(int rate, double seconds, double beatsPerSecond) {
    return beat_signals::ClickTrack(rate, seconds, beatsPerSecond, 0.07);
}

constexpr int kPcm16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"clicks-44100-mono16", Clicks, 44100, 1, kPcm16, 30.0, 2.1, nullptr},
        {"clicks-22050-mono8", Clicks, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 26.0, 1.7,
         nullptr},
        {"music-44100-stereo16", beat_signals::MusicLike, 44100, 2, kPcm16, 60.0, 2.05, nullptr},
        {"music-11025-mono16", beat_signals::MusicLike, 11025, 1, kPcm16, 31.0, 2.4, "40"},
        {"music-48000-stereo24", beat_signals::MusicLike, 48000, 2,
         SF_FORMAT_WAV | SF_FORMAT_PCM_24, 20.0, 1.8, nullptr},
    };
    return cases;
}

// Channel c carries the signal scaled by 1 / (c + 1), so averaging has something to do.
void WriteWave(const fs::path& path, const Case& c) {
    const std::vector<std::int16_t> mono = c.signal(c.rate, c.seconds, c.beatsPerSecond);
    std::vector<short> frames;
    for (const std::int16_t sample : mono) {
        for (int channel = 0; channel < c.channels; ++channel) {
            frames.push_back(static_cast<short>(sample / (channel + 1)));
        }
    }
    SF_INFO info{};
    info.samplerate = c.rate;
    info.channels = c.channels;
    info.format = c.format;
    SNDFILE* const file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    sf_writef_short(file, frames.data(), static_cast<sf_count_t>(mono.size()));
    sf_close(file);
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
