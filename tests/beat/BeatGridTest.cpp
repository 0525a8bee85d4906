#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "beat/BeatEstimator.h"
#include "tests/beat/Signals.h"

namespace {

using testing::FloatNear;
using testing::Pointwise;

std::vector<float> Beats(const BeatEstimator& e) {
    return {e.beats.begin(), e.beats.end()};
}

std::vector<float> Grid(float first, float period, int count) {
    std::vector<float> grid;
    grid.reserve(count);
    for (int i = 0; i < count; ++i) {
        grid.push_back(first + i * period);
    }
    return grid;
}

TEST(PlaceBeats, EachEstimateKeepsEarlierBeatsUpToOnePeriodBeforeItsGrid) {
    BeatEstimator e;
    e.Initialize();
    e.SetInputFormat(44100, 2, 44100.0F, 20.0F);
    e.tempo = 2.0F;
    e.beatOffset = 0.1F;
    e.PlaceBeats();
    EXPECT_THAT(Beats(e), Pointwise(FloatNear(1e-5), Grid(0.1F, 0.5F, 40)));

    e.framesDropped = 100;
    e.beatOffset = 0.3F;
    e.PlaceBeats();
    std::vector<float> expected = Grid(0.1F, 0.5F, 10);
    const std::vector<float> second = Grid(5.3F, 0.5F, 30);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_THAT(Beats(e), Pointwise(FloatNear(1e-5), expected));
}

TEST(PlaceBeats, WithoutATempoNothingChanges) {
    BeatEstimator e;
    e.Initialize();
    e.beats.Append(1.0F);
    e.framesDropped = 100;
    e.beatOffset = std::numeric_limits<float>::quiet_NaN();
    e.PlaceBeats();
    EXPECT_THAT(Beats(e), testing::ElementsAre(1.0F));
}

TEST(PlaceBeats, ARunLengthThatIsNoNumberOrHugeGivesABoundedGrid) {
    BeatEstimator e;
    e.Initialize();
    e.tempo = 2.0F;
    e.SetInputFormat(44100, 2, 44100.0F, std::numeric_limits<float>::quiet_NaN());
    e.PlaceBeats();
    EXPECT_EQ(e.beats.Count(), 0);
    e.SetInputFormat(44100, 2, 44100.0F, std::numeric_limits<float>::infinity());
    e.PlaceBeats();
    EXPECT_GT(e.beats.Count(), 1000);
    EXPECT_LE(e.beats.Count(), 1 << 20);
}

// Feeds a run the way the capture engine does: standard blocks of half a second, then the rest.
void FeedRun(BeatEstimator& e, const std::vector<std::uint8_t>& bytes, std::int32_t width, int rate,
             float seconds) {
    const std::int32_t blockBytes = rate * width / 2;
    e.Reset();
    e.SetInputFormat(blockBytes, width, static_cast<float>(rate), seconds);
    e.Reset();
    std::size_t position = 0;
    for (; position + blockBytes <= bytes.size(); position += blockBytes) {
        e.ProcessBlock(bytes.data() + position);
    }
    e.ProcessSamples(bytes.data() + position, static_cast<std::int32_t>(bytes.size() - position),
                     width);
}

TEST(BeatEstimation, AClickTrackGivesItsTempoAndEvenlySpacedBeats) {
    for (const float seconds : {20.0F, 30.0F}) {
        const auto clicks = beat_signals::ClickTrack(44100, seconds, 2.0, 0.13);
        BeatEstimator e;
        e.Initialize();
        FeedRun(e, beat_signals::LittleEndian(clicks), 2, 44100, seconds);
        EXPECT_NEAR(e.tempo, 2.0, 0.02);
        const std::vector<float> beats = Beats(e);
        ASSERT_GE(beats.size(), std::size_t(2 * seconds - 2));
        for (std::size_t i = 1; i < beats.size(); ++i) {
            EXPECT_NEAR(beats[i] - beats[i - 1], 0.5, 0.03) << "beat " << i;
        }
        EXPECT_LT(beats.front(), 0.5F);
        EXPECT_NEAR(beats.back(), seconds - 0.2, 0.5);
    }
}

TEST(BeatEstimation, FewerThanAFullHistoryOfFramesGivesNoBeats) {
    const auto clicks = beat_signals::ClickTrack(44100, 12.7, 2.0, 0.0);
    BeatEstimator e;
    e.Initialize();
    FeedRun(e, beat_signals::LittleEndian(clicks), 2, 44100, 20.0F);
    EXPECT_EQ(e.historyFill, 254);
    EXPECT_EQ(e.beats.Count(), 0);
}

TEST(BeatEstimation, SilenceGivesNoBeatsUntilATempoIsKnown) {
    const std::vector<std::uint8_t> silence(std::size_t{22050} * 15, 128);
    BeatEstimator e;
    e.Initialize();
    FeedRun(e, silence, 1, 22050, 15.0F);
    EXPECT_EQ(e.framesDropped, 100);
    EXPECT_EQ(e.tempo, 0.0F);
    EXPECT_EQ(e.beats.Count(), 0);

    // A tempo from an earlier run stays in force, with phase 0: beats on whole periods.
    e.tempo = 2.5F;
    FeedRun(e, silence, 1, 22050, 15.0F);
    EXPECT_EQ(e.tempo, 2.5F);
    EXPECT_THAT(Beats(e), Pointwise(FloatNear(1e-5), Grid(0.0F, 0.4F, 38)));
}

}  // namespace
