#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "beat/BeatEstimator.h"
#include "tests/beat/Signals.h"

namespace {

void StartRun(BeatEstimator& e, std::int32_t blockBytes, std::int32_t width, float rate) {
    e.Initialize();
    e.Reset();
    e.SetInputFormat(blockBytes, width, rate, 20.0F);
    e.Reset();
}

// How many samples fed one by one it takes to complete each of the first frames.
std::vector<int> SamplesToCompleteFrames(float rate, int frames) {
    BeatEstimator e;
    StartRun(e, 1000, 1, rate);
    const std::uint8_t sample = 200;
    std::vector<int> completed;
    for (int fed = 1; static_cast<int>(completed.size()) < frames; ++fed) {
        e.ProcessSamples(&sample, 1, 1);
        if (e.historyFill > static_cast<int>(completed.size())) {
            completed.push_back(fed);
        }
    }
    return completed;
}

TEST(FrameCollection, FramesStartEveryStepAndTakeTheirFirst256Samples) {
    EXPECT_THAT(SamplesToCompleteFrames(44100.0F, 3), testing::ElementsAre(256, 2461, 4666));
    // 22050 samples/s: a step of 1102.5 samples, so frames start 1102 and 1103 samples apart.
    EXPECT_THAT(SamplesToCompleteFrames(22050.0F, 4),
                testing::ElementsAre(256, 1102 + 256, 2205 + 256, 3307 + 256));
}

TEST(FrameCollection, ConvertsBothSampleWidthsToTheirOwnScale) {
    BeatEstimator e;
    StartRun(e, 1000, 1, 44100.0F);
    const std::uint8_t bytes[] = {0, 128, 255};
    e.ProcessSamples(bytes, 3, 1);
    EXPECT_THAT(std::vector<float>(e.frameBuffer.begin(), e.frameBuffer.begin() + 3),
                testing::ElementsAre(-1.0F, 0.0F, 0.9921875F));
    StartRun(e, 1000, 2, 44100.0F);
    const std::uint8_t words[] = {0xFF, 0x7F, 0x00, 0x80, 0x01, 0x00};
    e.ProcessSamples(words, 6, 2);
    EXPECT_THAT(std::vector<float>(e.frameBuffer.begin(), e.frameBuffer.begin() + 3),
                testing::ElementsAre(32767 * 0.01F * 2, -32768 * 0.01F * 2, 0.02F));
}

TEST(FrameCollection, ResultsDoNotDependOnHowTheInputIsCut) {
    const auto bytes = beat_signals::LittleEndian(beat_signals::ClickTrack(44100, 19.0, 2.0, 0.1));
    BeatEstimator whole;
    StartRun(whole, 44100, 2, 44100.0F);
    whole.ProcessSamples(bytes.data(), static_cast<std::int32_t>(bytes.size()), 2);
    BeatEstimator pieces;
    StartRun(pieces, 44100, 2, 44100.0F);
    std::size_t position = 0;
    for (std::size_t piece = 2; position < bytes.size(); piece = (piece * 7 + 2) % 3000 + 2) {
        const std::size_t length = std::min(piece & ~std::size_t{1}, bytes.size() - position);
        pieces.ProcessSamples(bytes.data() + position, static_cast<std::int32_t>(length), 2);
        position += length;
    }
    EXPECT_EQ(pieces.bandHistory, whole.bandHistory);
    EXPECT_EQ(pieces.tempo, whole.tempo);
    EXPECT_EQ(std::vector<float>(pieces.beats.begin(), pieces.beats.end()),
              std::vector<float>(whole.beats.begin(), whole.beats.end()));
}

TEST(FrameCollection, AnOddByteCountReadsOnlyWholeSamples) {
    BeatEstimator e;
    StartRun(e, 1000, 2, 44100.0F);
    const auto block = std::make_unique<std::uint8_t[]>(3);  // exactly as long as the call says
    block[0] = 0x10;
    block[1] = 0x00;
    block[2] = 0x7F;
    e.ProcessSamples(block.get(), 3, 2);
    EXPECT_EQ(e.frameFill, 1);
    EXPECT_FLOAT_EQ(e.frameBuffer[0], 16 * 0.01F * 2);
}

TEST(FrameCollection, FeedingWithoutAUsableFormatDoesNothing) {
    const std::vector<std::uint8_t> block(44100, 7);
    BeatEstimator unconfigured;
    unconfigured.Initialize();
    unconfigured.ProcessBlock(block.data());
    unconfigured.ProcessSamples(block.data(), 44100, 1);
    EXPECT_EQ(unconfigured.frameFill, 0);

    BeatEstimator uninitialized;
    uninitialized.SetInputFormat(44100, 1, 44100.0F, 20.0F);
    uninitialized.ProcessBlock(block.data());
    EXPECT_EQ(uninitialized.frameFill, 0);

    for (const std::int32_t width : {0, -2, 3, 4}) {
        BeatEstimator e;
        StartRun(e, 44100, width, 44100.0F);
        e.ProcessBlock(block.data());
        e.ProcessSamples(block.data(), 44100, width);
        EXPECT_EQ(e.frameFill, 0) << width;
        EXPECT_EQ(e.samplesPerBlock, 0) << width;
    }
}

TEST(FrameCollection, UpdateIntervalDropsAtLeastOneFrameAndAtMostTheHistory) {
    BeatEstimator e;
    EXPECT_EQ(e.hopFrames, 100);
    e.SetUpdateInterval(0.01F);
    EXPECT_EQ(e.hopFrames, 1);
    e.SetUpdateInterval(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(e.hopFrames, 1);
    e.SetUpdateInterval(-3.0F);
    EXPECT_EQ(e.hopFrames, 1);
    e.SetUpdateInterval(1e30F);
    EXPECT_EQ(e.hopFrames, 256);
    e.SetUpdateInterval(0.15F);
    EXPECT_EQ(e.hopFrames, 3);
}

TEST(FrameCollection, ASingleFrameHopReEstimatesAtEveryFrameOnceFull) {
    const auto bytes = beat_signals::LittleEndian(beat_signals::ClickTrack(44100, 14.0, 2.0, 0.0));
    BeatEstimator e;
    e.SetUpdateInterval(0.0F);
    StartRun(e, 44100, 2, 44100.0F);
    e.ProcessSamples(bytes.data(), static_cast<std::int32_t>(bytes.size()), 2);
    EXPECT_EQ(e.historyFill, 255);
    EXPECT_EQ(e.framesDropped, 280 - 255);
    EXPECT_GT(e.beats.Count(), 0);
}

}  // namespace
