// Runs velorin-beats on WAVE files written by the test and reads its JSON answer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/resource.h>

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

using Outcome = testing_support::ProgramResult;

class VelorinBeats : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velorin-beats-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path File(const std::string& name) const { return folder_ / name; }

    Outcome Run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), VELORIN_BEATS_PROGRAM);
        return testing_support::RunProgram(arguments);
    }

    // Writes interleaved 16-bit frames in the given file format.
    fs::path Write(const std::string& name, const std::vector<short>& samples, int channels,
                   int rate, int format) const {
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = format;
        fs::path path = File(name);
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
        sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size()) / channels);
        sf_close(file);
        return path;
    }

    // A 16-bit PCM WAVE whose header claims any channel count and rate, with dataBytes of
    // silence behind it.
    fs::path WriteClaiming(const std::string& name, std::uint32_t channels, std::uint32_t rate,
                           std::uint32_t dataBytes) const {
        std::string header = "RIFF";
        const auto put = [&header](std::uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i) {
                header.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
            }
        };
        put(36 + dataBytes, 4);
        header += "WAVEfmt ";
        put(16, 4);
        put(1, 2);
        put(channels, 2);
        put(rate, 4);
        put(rate * channels * 2, 4);
        put(channels * 2, 2);
        put(16, 2);
        header += "data";
        put(dataBytes, 4);
        fs::path path = File(name);
        std::ofstream(path, std::ios::binary) << header << std::string(dataBytes, '\0');
        return path;
    }

    fs::path folder_;
};

std::vector<short> Clicks(int rate, double seconds) {
    const auto clicks = beat_signals::ClickTrack(rate, seconds, 2.0, 0.13);
    return {clicks.begin(), clicks.end()};
}

std::vector<short> BothChannels(const std::vector<short>& mono) {
    std::vector<short> stereo;
    for (const short sample : mono) {
        stereo.insert(stereo.end(), {sample, sample});
    }
    return stereo;
}

double Number(const std::string& json, const std::string& key) {
    const std::string label = "\"" + key + "\": ";
    const std::size_t at = json.find(label);
    return at == std::string::npos ? -1.0 : std::strtod(json.c_str() + at + label.size(), nullptr);
}

std::vector<double> Beats(const std::string& json) {
    std::vector<double> beats;
    const std::string list = json.substr(json.find('[') + 1);
    std::stringstream in(list);
    double value = 0.0;
    while (in >> value) {
        beats.push_back(value);
        in.ignore(1);
    }
    return beats;
}

constexpr int kWave16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

TEST_F(VelorinBeats, AClickTrackGivesItsTempoAndEvenlySpacedBeats) {
    const Outcome outcome = Run({Write("clicks.wav", Clicks(44100, 20.0), 1, 44100, kWave16)});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_THAT(outcome.out,
                testing::MatchesRegex(R"(\{"tempo": [0-9.]+, "bpm": [0-9.]+, "beats": \[[^]]*\]\})"
                                      "\n"));
    EXPECT_NEAR(Number(outcome.out, "tempo"), 2.0, 0.02);
    EXPECT_NEAR(Number(outcome.out, "bpm"), 60.0 * Number(outcome.out, "tempo"), 1e-5);
    const std::vector<double> beats = Beats(outcome.out);
    ASSERT_GE(beats.size(), 38U);
    for (std::size_t i = 1; i < beats.size(); ++i) {
        EXPECT_NEAR(beats[i] - beats[i - 1], 0.5, 0.03);
    }
    EXPECT_NEAR(beats.back(), 19.8, 0.5);
}

TEST_F(VelorinBeats, OtherLayoutsAreFedAsSixteenBitMono) {
    const std::vector<short> mono = Clicks(22050, 16.0);
    const Outcome reference = Run({Write("mono.wav", mono, 1, 22050, kWave16)});
    const Outcome stereo = Run({Write("stereo.wav", BothChannels(mono), 2, 22050, kWave16)});
    EXPECT_EQ(stereo.out, reference.out);
    const Outcome floating =
        Run({Write("float.wav", mono, 1, 22050, SF_FORMAT_WAV | SF_FORMAT_FLOAT)});
    EXPECT_NEAR(Number(floating.out, "tempo"), Number(reference.out, "tempo"), 0.01);
    const Outcome unsigned8 =
        Run({Write("eight.wav", mono, 1, 22050, SF_FORMAT_WAV | SF_FORMAT_PCM_U8)});
    EXPECT_NEAR(Number(unsigned8.out, "tempo"), 2.0, 0.02);
}

TEST_F(VelorinBeats, AnOddRateKeepsSixteenBitSamplesAligned) {
    const Outcome outcome = Run({Write("odd.wav", Clicks(11025, 16.0), 1, 11025, kWave16)});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NEAR(Number(outcome.out, "tempo"), 2.0, 0.02);
}

TEST_F(VelorinBeats, DurationSetsHowFarBeatsArePredicted) {
    const fs::path clicks = Write("clicks.wav", Clicks(22050, 14.0), 1, 22050, kWave16);
    const std::vector<double> beats = Beats(Run({"--duration", "30", clicks.string()}).out);
    ASSERT_FALSE(beats.empty());
    EXPECT_NEAR(beats.back(), 29.8, 0.5);
}

TEST_F(VelorinBeats, BadInputIsReportedOnOneLineWithStatusTwo) {
    const fs::path clicks = Write("clicks.wav", Clicks(8000, 1.0), 1, 8000, kWave16);
    std::ofstream(File("text.wav")) << "not a sound\n";
    const std::vector<std::vector<std::string>> calls = {
        {},
        {File("missing.wav").string()},
        {File("text.wav").string()},
        {Write("empty.wav", {}, 1, 8000, kWave16).string()},
        {"--duration", "soon", clicks.string()},
        {"--duration", "-1", clicks.string()},
        {"--duration", "1e300", clicks.string()},
        {"--duration", "1e-300", clicks.string()},
        {"--plot", File("picture.gif").string(), clicks.string()},
        {"--plot", (folder_ / "missing" / "picture.png").string(), clicks.string()},
        {WriteClaiming("fast.wav", 1, 1'000'001, 64).string()},
        {clicks.string(), clicks.string()},
    };
    for (const std::vector<std::string>& call : calls) {
        const Outcome outcome = Run(call);
        EXPECT_EQ(outcome.status, 2) << testing::PrintToString(call);
        EXPECT_THAT(outcome.err, testing::MatchesRegex("velorin-beats: [^\n]+\n"));
        EXPECT_EQ(outcome.out, "");
    }
    // An answer that cannot be written is a failure too, not a silent cut nor a signal.
    const Outcome full = testing_support::RunProgram(
        {OUTPUT_TO, "/dev/full", VELORIN_BEATS_PROGRAM, clicks.string()});
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.err, "velorin-beats: cannot write the output: No space left on device\n");
    const Outcome limited = testing_support::RunProgram({"prlimit", "--fsize=10", OUTPUT_TO,
                                                         File("answer.json").string(),
                                                         VELORIN_BEATS_PROGRAM, clicks.string()});
    EXPECT_EQ(limited.status, 2);
    EXPECT_EQ(limited.err, "velorin-beats: cannot write the output: File too large\n");
}

TEST_F(VelorinBeats, HelpPrintsTheUsage) {
    const Outcome outcome = Run({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_THAT(outcome.out, testing::StartsWith("usage: velorin-beats "));
}

// The README promises rates from 1 to 1,000,000 Hz: both ends run, whatever else the header says.
TEST_F(VelorinBeats, EveryRateInTheRangeRunsAndMemoryDoesNotFollowTheHeader) {
    const Outcome slowest = Run({WriteClaiming("slowest.wav", 1, 1, 512).string()});
    EXPECT_EQ(slowest.status, 0) << slowest.err;
    const Outcome wide = Run({WriteClaiming("wide.wav", 1024, 1'000'000, 8192).string()});
    EXPECT_EQ(wide.status, 0) << wide.err;
    EXPECT_THAT(wide.out, testing::StartsWith("{\"tempo\": 0, "));
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 200L * 1024) << "kilobytes at the peak of the largest run";
}

TEST_F(VelorinBeats, APictureShowsTheRunAndLeavesTheAnswerAlone) {
    const fs::path clicks = Write("clicks.wav", Clicks(22050, 14.0), 1, 22050, kWave16);
    const Outcome plain = Run({clicks.string()});
    for (const std::string name : {"beats.png", "beats.svg"}) {
        const Outcome drawn = Run({"--plot", File(name).string(), clicks.string()});
        EXPECT_EQ(drawn.status, 0) << drawn.err;
        EXPECT_EQ(drawn.out, plain.out);
        std::ifstream picture(File(name), std::ios::binary);
        std::string start(8, '\0');
        picture.read(start.data(), 8);
        EXPECT_THAT(start,
                    testing::AnyOf(testing::StartsWith("\x89PNG"), testing::StartsWith("<?xml")))
            << name;
        // A picture that cannot be written whole leaves the earlier one and no part of its own.
        const auto before = fs::file_size(File(name));
        const Outcome cut =
            testing_support::RunProgram({"prlimit", "--fsize=4096", VELORIN_BEATS_PROGRAM, "--plot",
                                         File(name).string(), clicks.string()});
        EXPECT_EQ(cut.status, 2);
        EXPECT_EQ(cut.err, "velorin-beats: " + File(name).string() + ": File too large\n");
        EXPECT_EQ(cut.out, "");
        EXPECT_EQ(fs::file_size(File(name)), before);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3)
        << "clicks.wav and the two pictures";
}

}  // namespace
