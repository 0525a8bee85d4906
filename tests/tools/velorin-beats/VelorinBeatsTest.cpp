// Runs velorin-beats on WAVE files written by the test and reads its JSON answer.
#include <gmock/gmock.h>
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
        const fs::path path = File(name);
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
        sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size()) / channels);
        sf_close(file);
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
        {clicks.string(), clicks.string()},
    };
    for (const std::vector<std::string>& call : calls) {
        const Outcome outcome = Run(call);
        EXPECT_EQ(outcome.status, 2) << testing::PrintToString(call);
        EXPECT_THAT(outcome.err, testing::MatchesRegex("velorin-beats: [^\n]+\n"));
        EXPECT_EQ(outcome.out, "");
    }
    // An answer that cannot be written is a failure too, not a silent cut.
    const Outcome full = testing_support::RunProgram(
        {OUTPUT_TO, "/dev/full", VELORIN_BEATS_PROGRAM, clicks.string()});
    EXPECT_EQ(full.status, 2);
    EXPECT_THAT(full.err,
                testing::MatchesRegex("velorin-beats: cannot write the output: [^\n]+\n"));
}

}  // namespace
