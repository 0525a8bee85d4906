#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "platform/dsound/LineInput.h"
#include "platform/dsound/loopback/Loopback.h"

namespace platform::dsound::loopback {
namespace {

using namespace std::chrono_literals;

void LoudLineInput(std::span<float> mono, int) {
    std::fill(mono.begin(), mono.end(), 0.5f);
}

WaveFormat Mono(std::uint32_t rate, std::uint16_t bits) {
    const auto align = static_cast<std::uint16_t>(bits / 8);
    return {kFormatPcm, 1, rate, rate * align, align, bits, 0};
}

class LoopbackTest : public ::testing::Test {
  protected:
    LoopbackTest() { ConnectLineInput(LoudLineInput); }
    ~LoopbackTest() override { ConnectLineInput(nullptr); }
};

TEST_F(LoopbackTest, AcceptsOnlyListedFormatsAndNeverStereoByDefault) {
    LoopbackAudioSystem anyMono({});
    auto capture = anyMono.CreateCapture();
    WaveFormat stereo = Mono(22050, 16);
    stereo.channels = 2;
    stereo.blockAlign = 4;
    stereo.avgBytesPerSec = 22050 * 4;
    EXPECT_EQ(capture->CreateCaptureBuffer({stereo.avgBytesPerSec, &stereo}), nullptr);
    const WaveFormat mono = Mono(44100, 16);
    EXPECT_NE(capture->CreateCaptureBuffer({mono.avgBytesPerSec, &mono}), nullptr);

    LoopbackOptions only22k8Options;
    only22k8Options.acceptedFormats = {{22050, 8}};
    LoopbackAudioSystem only22k8(only22k8Options);
    auto picky = only22k8.CreateCapture();
    EXPECT_EQ(picky->CreateCaptureBuffer({mono.avgBytesPerSec, &mono}), nullptr);
    const WaveFormat accepted = Mono(22050, 8);
    EXPECT_NE(picky->CreateCaptureBuffer({accepted.avgBytesPerSec, &accepted}), nullptr);
}

TEST_F(LoopbackTest, HalfDuplexCardRefusesCaptureWhilePlaybackIsOpen) {
    LoopbackOptions options;
    options.refuseFullDuplex = true;
    LoopbackAudioSystem card(options);
    const WaveFormat format = Mono(8000, 8);
    auto capture = card.CreateCapture();
    {
        auto playback = card.CreatePlayback();
        ASSERT_NE(playback, nullptr);
        EXPECT_EQ(capture->CreateCaptureBuffer({8000, &format}), nullptr);
    }
    EXPECT_NE(capture->CreateCaptureBuffer({8000, &format}), nullptr);
}

// Fills one half of a 16-bit buffer at the given gain and returns its first sample.
std::int16_t FirstSampleAtGain(float gain) {
    LoopbackOptions options;
    options.gain = gain;
    options.speed = 20.0;
    LoopbackAudioSystem card(options);
    const WaveFormat format = Mono(8000, 16);
    auto buffer = card.CreateCapture()->CreateCaptureBuffer({16000, &format});
    thread::Event half;
    const PositionNotify positions[] = {{7999, &half}};
    buffer->QueryNotify()->SetNotificationPositions(positions);
    buffer->StartLooping();
    thread::Event* events[] = {&half};
    EXPECT_EQ(thread::WaitForAny(events, 5000ms), 0);
    LockedRegions regions;
    EXPECT_TRUE(buffer->Lock(0, 2, regions));
    const auto sample = static_cast<std::int16_t>(regions.first[0] | regions.first[1] << 8);
    buffer->Unlock(regions);
    buffer->Stop();
    return sample;
}

TEST_F(LoopbackTest, GainScalesWhatTheLineCarriesAndZeroMutesIt) {
    EXPECT_EQ(FirstSampleAtGain(1.0f), 16384);
    EXPECT_EQ(FirstSampleAtGain(0.5f), 8192);
    EXPECT_EQ(FirstSampleAtGain(0.0f), 0);
}

}  // namespace
}  // namespace platform::dsound::loopback
