#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>
#include <vector>

#include "platform/dsound/win32/SystemAudio.h"
#include "tests/support/win32/SoundServerOutput.h"

namespace platform::dsound {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kRate = 8000;
constexpr std::uint32_t kBufferBytes = 2 * kRate;  // one second of 16-bit mono
constexpr int kToneHz = 440;
constexpr double kToneAmplitude = 0.25;
// A level no idle output reaches and the tone passes well: 1/20 of full scale.
constexpr int kHeardPeak = 32768 / 20;

// seconds of the tone as CD audio.
std::vector<std::int16_t> Tone(double seconds) {
    const auto frames = static_cast<std::size_t>(seconds * kCdSampleRate);
    std::vector<std::int16_t> samples(frames * kCdChannels);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const double phase =
            2.0 * std::numbers::pi * kToneHz * static_cast<double>(frame) / kCdSampleRate;
        const auto value = static_cast<std::int16_t>(32767.0 * kToneAmplitude * std::sin(phase));
        std::fill_n(samples.begin() + static_cast<std::ptrdiff_t>(frame * kCdChannels), kCdChannels,
                    value);
    }
    return samples;
}

// Capture from the server's default source in quarters of a one-second buffer.
class ServerAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        capture_ = system_.CreateCapture();
        ASSERT_NE(capture_, nullptr);
        buffer_ = capture_->CreateCaptureBuffer({kBufferBytes, &format_});
        ASSERT_NE(buffer_, nullptr);
        auto notify = buffer_->QueryNotify();
        ASSERT_NE(notify, nullptr);
        PositionNotify positions[kQuarters];
        for (std::uint32_t index = 0; index < kQuarters; ++index) {
            positions[index] = {Offset(index), &events_[index]};
        }
        ASSERT_TRUE(notify->SetNotificationPositions(positions));
        ASSERT_TRUE(buffer_->StartLooping());
    }
    void TearDown() override { buffer_->Stop(); }

    static constexpr std::uint32_t kQuarters = 4;
    static constexpr std::uint32_t kQuarterBytes = kBufferBytes / kQuarters;
    // The last byte of each quarter.
    static std::uint32_t Offset(std::uint32_t quarter) { return (quarter + 1) * kQuarterBytes - 1; }

    // The next quarter signalled, or -1 after a time-out (generous: a server on a busy machine may
    // take seconds to deliver its first block).
    int NextQuarter() {
        thread::Event* events[] = {&events_[0], &events_[1], &events_[2], &events_[3]};
        return thread::WaitForAny(events, 15000ms);
    }

    // Forgets the quarters signalled while the test was not waiting, and skips the next count.
    void SkipQuarters(int count) {
        thread::Event* events[] = {&events_[0], &events_[1], &events_[2], &events_[3]};
        while (thread::WaitForAny(events, 0ms) != thread::kWaitTimeout) {
        }
        for (int index = 0; index < count; ++index) {
            NextQuarter();
        }
    }

    // The loudest sample of the quarter just captured.
    int Peak(int quarter) {
        LockedRegions regions;
        if (!buffer_->Lock(static_cast<std::uint32_t>(quarter) * kQuarterBytes, kQuarterBytes,
                           regions)) {
            return -1;
        }
        int peak = 0;
        const auto* samples = reinterpret_cast<const std::int16_t*>(regions.first);
        for (std::uint32_t index = 0; index < regions.firstBytes / 2; ++index) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[index])));
        }
        buffer_->Unlock(regions);
        return peak;
    }

    // The loudest quarter among the next count.
    int LoudestOfNext(int count) {
        int loudest = -1;
        for (int index = 0; index < count; ++index) {
            const int quarter = NextQuarter();
            if (quarter < 0) {
                return -1;
            }
            loudest = std::max(loudest, Peak(quarter));
        }
        return loudest;
    }

    win32_backend::SystemAudio system_;
    WaveFormat format_{kFormatPcm, 1, kRate, 2 * kRate, 2, 16, 0};
    std::unique_ptr<Capture> capture_;
    std::unique_ptr<CaptureBuffer> buffer_;
    thread::Event events_[kQuarters];
};

TEST_F(ServerAudio, NotificationsFollowTheCapturePositionInOrder) {
    int expected = NextQuarter();
    ASSERT_GE(expected, 0);
    for (int count = 0; count < 6; ++count) {
        expected = (expected + 1) % static_cast<int>(kQuarters);
        ASSERT_EQ(NextQuarter(), expected);
        const std::uint32_t passed = Offset(static_cast<std::uint32_t>(expected)) + 1;
        EXPECT_LT((buffer_->ReadPosition() + kBufferBytes - passed) % kBufferBytes,
                  kBufferBytes / 2)
            << "the read position has passed the signalled offset";
    }
}

TEST_F(ServerAudio, TheStreamIsHeardUntilCutFromAnotherThread) {
    auto playback = system_.CreatePlayback();
    ASSERT_NE(playback, nullptr) << "the playback object is held meanwhile, as the test does";
    auto stream = system_.OpenOutputStream();
    ASSERT_NE(stream, nullptr);
    const auto tone = Tone(6.0);
    std::atomic<bool> written = true;
    std::thread writer([&] { written = stream->Write(tone); });
    EXPECT_GT(LoudestOfNext(8), kHeardPeak);

    stream->Cut();
    writer.join();
    EXPECT_FALSE(written) << "the cut ends the write that waited for the device";
    EXPECT_FALSE(stream->Write(tone)) << "a cut stream takes nothing more";
    SkipQuarters(1);  // what the server had mixed before the cut
    EXPECT_LT(LoudestOfNext(3), kHeardPeak);
}

TEST_F(ServerAudio, DrainReturnsOnceTheToneHasPlayed) {
    auto stream = system_.OpenOutputStream();
    ASSERT_NE(stream, nullptr);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(stream->Write(Tone(0.5)));
    stream->Drain();
    EXPECT_GE(std::chrono::steady_clock::now() - start, 450ms) << "the device plays in real time";
    SkipQuarters(2);  // the server's own latency
    EXPECT_LT(LoudestOfNext(2), kHeardPeak) << "nothing plays after the drained tone";
}

TEST_F(ServerAudio, AMutedOutputIsSilence) {
    ASSERT_TRUE(testing_support::MuteServerOutput(true));
    auto stream = system_.OpenOutputStream();
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(stream->Write(Tone(2.0)));
    const int loudest = LoudestOfNext(6);
    stream->Cut();
    EXPECT_TRUE(testing_support::MuteServerOutput(false));
    EXPECT_GE(loudest, 0);
    EXPECT_LT(loudest, kHeardPeak);
}

}  // namespace
}  // namespace platform::dsound
