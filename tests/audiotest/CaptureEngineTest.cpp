#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "audiotest/CSoundCapture.h"
#include "platform/debug/DebugOutput.h"
#include "tests/audiotest/AudioTestRig.h"

namespace {

using platform::dsound::loopback::AcceptedFormat;
using namespace std::chrono_literals;

// An engine on a card that takes only the given format, set up and made current.
class CaptureEngine : public ::testing::Test {
  protected:
    void SetUpCard(AcceptedFormat format, double speed = rig::kSpeed) {
        engine_.reset();
        card_.reset();
        auto options = rig::FastCard();
        options.speed = speed;
        options.acceptedFormats = {format};
        card_ = std::make_unique<rig::SoundCard>(options);
        engine_ = std::make_unique<CSoundCapture>();
        g_currentCapture = engine_.get();
        ASSERT_EQ(engine_->InitCapture(), kCaptureOk);
        const auto& state = *engine_->device;
        engine_->estimator->SetInputFormat(
            static_cast<std::int32_t>(state.bufferDesc.bufferBytes / 2),
            state.format.bitsPerSample / 8, static_cast<float>(state.format.samplesPerSec), 20.0f);
    }

    // Runs the capture thread for seconds of audio and waits for the end of the run.
    void Run(float seconds) {
        engine_->durationSeconds = seconds;
        engine_->elapsedSeconds = 0.0f;
        ASSERT_EQ(engine_->StartCapture(), kCaptureOk);
        ASSERT_TRUE(rig::WaitForRunEnd(*engine_));
    }

    // Handles the next notifications on the test's own thread; returns the read offsets after each.
    // Blocks handled here come 100 ms apart: a busy machine must not let the card overtake the
    // test's thread, which would see both halves notified at once.
    static constexpr double kHandSpeed = 5.0;

    std::vector<std::uint32_t> HandleBlocksHere(int blocks) {
        engine_->durationSeconds = 100.0f;
        engine_->StartBuffer();
        std::vector<std::uint32_t> offsets;
        platform::thread::Event* events[] = {engine_->notifyEvents[0].get(),
                                             engine_->notifyEvents[1].get()};
        for (int block = 0; block < blocks; ++block) {
            const int index = platform::thread::WaitForAny(events, 60000ms);
            EXPECT_GE(index, 0);
            engine_->OnCaptureNotify(index);
            offsets.push_back(g_captureReadOffset);
        }
        engine_->StopBuffer();
        return offsets;
    }

    ~CaptureEngine() override { engine_.reset(); }

    std::unique_ptr<rig::SoundCard> card_;
    std::unique_ptr<CSoundCapture> engine_;
};

// 8-bit halves of an odd buffer alternate in size; 16-bit ones split on a whole sample.
TEST_F(CaptureEngine, OddHalfBuffersSplitOnAWholeSample) {
    SetUpCard({11025, 8}, kHandSpeed);
    EXPECT_EQ(engine_->device->positions[0].offset, 5511u);
    EXPECT_EQ(engine_->device->positions[1].offset, 11024u);
    rig::ConnectTestLine(rig::Line::Loud);
    EXPECT_EQ(HandleBlocksHere(4), (std::vector<std::uint32_t>{5512, 0, 5512, 0}));
    EXPECT_FLOAT_EQ(engine_->elapsedSeconds, 2.0f);

    SetUpCard({11025, 16}, kHandSpeed);
    rig::ConnectTestLine(rig::Line::Loud);
    EXPECT_EQ(HandleBlocksHere(2), (std::vector<std::uint32_t>{11024, 0}));
    EXPECT_FALSE(engine_->device->noAudioDetected);
}

TEST_F(CaptureEngine, TwentySecondsAt44kHz16BitAreFortyBlocksEndingOnTheBufferStart) {
    SetUpCard({44100, 16});
    rig::ConnectTestLine(rig::Line::Loud);
    Run(20.0f);
    EXPECT_FLOAT_EQ(engine_->elapsedSeconds, 20.0f);
    EXPECT_EQ(g_captureReadOffset, 0u);
    EXPECT_FALSE(engine_->device->noAudioDetected);
    EXPECT_GT(engine_->blockLevel, 10.0f);
}

TEST_F(CaptureEngine, SilenceLeavesNoAudioDetectedIn8And16Bit) {
    for (auto format : {AcceptedFormat{22050, 8}, AcceptedFormat{22050, 16}}) {
        SetUpCard(format);
        rig::ConnectTestLine(rig::Line::Silent);
        Run(1.0f);
        EXPECT_EQ(engine_->blockLevel, 0.0f);
        EXPECT_TRUE(engine_->device->noAudioDetected);
    }
}

TEST_F(CaptureEngine, ARunOfZeroSecondsEndsWithItsFirstBlockInWhichOneByteOf127IsLoud) {
    SetUpCard({8000, 8});
    rig::ConnectTestLine(rig::Line::OneLowByte);
    Run(0.0f);
    EXPECT_FLOAT_EQ(engine_->elapsedSeconds, 0.5f);
    EXPECT_EQ(engine_->blockLevel, 65025.0f);
    EXPECT_FALSE(engine_->device->noAudioDetected);
}

TEST_F(CaptureEngine, TheRunsLastBlockIsJudgedBeforeTheRunEnds) {
    SetUpCard({44100, 16});
    rig::ConnectTestLine(rig::Line::SilentThenLoud, 44100 / 2);
    engine_->durationSeconds = 1.0f;
    ASSERT_EQ(engine_->StartCapture(), kCaptureOk);
    while (engine_->running.load()) {
        std::this_thread::yield();
    }
    EXPECT_FALSE(engine_->device->noAudioDetected) << "read at once after the run ended";
    ASSERT_TRUE(rig::WaitForRunEnd(*engine_));
}

TEST_F(CaptureEngine, AFailedLockIsReportedAndItsBlockNeitherReadNorJudged) {
    SetUpCard({22050, 16});
    rig::ConnectTestLine(rig::Line::Loud);
    card_->faults.refuseLocks = true;
    platform::debug::CapturedDebugOutput debug;
    Run(0.5f);
    EXPECT_EQ(debug.text(), "Capture lock failure\n");
    EXPECT_TRUE(engine_->device->noAudioDetected);
    EXPECT_FLOAT_EQ(engine_->elapsedSeconds, 0.5f);
    EXPECT_EQ(g_captureReadOffset, 22050u) << "the unread block is passed over";
}

TEST_F(CaptureEngine, StartIsRefusedWhileRunningAndWithoutAThreadLeavesNoRunBehind) {
    SetUpCard({22050, 16});
    {
        platform::thread::RefusedThreadStarts refused;
        EXPECT_EQ(engine_->StartCapture(), kCaptureThreadUnavailable);
        EXPECT_FALSE(engine_->running);
        EXPECT_FALSE(engine_->threadAlive);
    }
    rig::ConnectTestLine(rig::Line::Loud);
    engine_->durationSeconds = 2.0f;
    ASSERT_EQ(engine_->StartCapture(), kCaptureOk);
    EXPECT_EQ(engine_->StartCapture(), kCaptureAlreadyRunning);
    ASSERT_TRUE(rig::WaitForRunEnd(*engine_));
}

TEST_F(CaptureEngine, ABufferThatNeverCapturesEndsTheRunAfterTwelveSeconds) {
    SetUpCard({22050, 16});
    card_->faults.neverStart = true;
    const auto start = std::chrono::steady_clock::now();
    Run(20.0f);
    EXPECT_EQ(engine_->elapsedSeconds, 0.0f);
    EXPECT_TRUE(engine_->device->noAudioDetected);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 12000ms / rig::kSpeed);
}

TEST(BlockLevel, RulesFor8And16BitAndNoReadPastAnOddBlock) {
    const std::vector<std::uint8_t> silent8(100, 128);
    EXPECT_EQ(BlockLevel(silent8.data(), 100, 8), 0.0f);
    const std::uint8_t low = 0;  // (0 + 128) mod 256 = 128
    EXPECT_EQ(BlockLevel(&low, 1, 8), 16384.0f);
    const std::vector<std::uint8_t> oddBlock = {0xFF, 0x7F, 0xFF};
    EXPECT_NEAR(BlockLevel(oddBlock.data(), 3, 16), 1.0f, 1e-5f);
}

}  // namespace
