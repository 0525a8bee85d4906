#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "audiotest/CSoundCapture.h"
#include "audiotest/CaptureFormat.h"
#include "tests/audiotest/AudioTestRig.h"

namespace {

using platform::dsound::kOffsetStop;
using platform::dsound::WaveFormat;
using platform::dsound::loopback::AcceptedFormat;

TEST(CaptureFormat, CodesDecodeToRateBitsChannelsAndBytesPerSecond) {
    WaveFormat format;
    format.formatTag = 1;
    EXPECT_EQ(DecodeCaptureFormat(11216, format), 1);
    EXPECT_EQ(format.samplesPerSec, 11025u);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.avgBytesPerSec, 44100u);
    EXPECT_EQ(format.formatTag, 1) << "left alone";
    DecodeCaptureFormat(8108, format);
    EXPECT_EQ(format.samplesPerSec, 8000u);
    DecodeCaptureFormat(44116, format);
    EXPECT_EQ(format.avgBytesPerSec, 88200u);
}

std::vector<std::pair<std::uint32_t, int>> RatesAndBits(const std::vector<WaveFormat>& formats) {
    std::vector<std::pair<std::uint32_t, int>> tried;
    for (const WaveFormat& format : formats) {
        EXPECT_EQ(format.channels, 1) << "stereo is never tried";
        tried.emplace_back(format.samplesPerSec, format.bitsPerSample);
    }
    return tried;
}

TEST(CaptureSetUp, SearchesFromTheBestMonoFormatAndSettlesOnTheFirstAccepted) {
    auto options = rig::FastCard();
    options.acceptedFormats = {AcceptedFormat{22050, 8}};
    rig::SoundCard card(options);
    CSoundCapture engine;
    ASSERT_EQ(engine.InitCapture(), kCaptureOk);
    EXPECT_EQ(RatesAndBits(card.system().formatsTried()),
              (std::vector<std::pair<std::uint32_t, int>>{
                  {44100, 16}, {44100, 8}, {22050, 16}, {22050, 8}}));
    EXPECT_EQ(engine.device->bufferDesc.bufferBytes, 22050u);
    EXPECT_EQ(engine.device->positions[0].offset, 11024u);
    EXPECT_EQ(engine.device->positions[1].offset, 22049u);
    EXPECT_EQ(engine.device->positions[2].offset, kOffsetStop);

    EXPECT_EQ(engine.InitCapture(), kCaptureOk);
    EXPECT_EQ(card.system().capturesCreated(), 1) << "a ready engine does not touch the card";
}

TEST(CaptureSetUp, ACardThatCapturesOnlyInStereoIsUnavailable) {
    auto options = rig::FastCard();
    options.acceptedFormats = {AcceptedFormat{44100, 16, 2}, AcceptedFormat{22050, 8, 2}};
    rig::SoundCard card(options);
    CSoundCapture engine;
    EXPECT_EQ(engine.InitCapture(), kCaptureDeviceUnavailable);
    EXPECT_EQ(RatesAndBits(card.system().formatsTried()).size(), 8u);
    EXPECT_FALSE(engine.captureReady);
}

TEST(CaptureSetUp, MissingDeviceIsMinusFiveMissingOrRefusedNotificationsMinusSix) {
    rig::SoundCard card;
    CSoundCapture engine;
    card.faults.noCapture = true;
    EXPECT_EQ(engine.InitCapture(), kCaptureDeviceUnavailable);
    card.faults.noCapture = false;
    card.faults.noNotify = true;
    EXPECT_EQ(engine.InitCapture(), kCaptureNotifyUnavailable);
    engine.ReleaseCapture();
    card.faults.noNotify = false;
    card.faults.refusePositions = true;
    EXPECT_EQ(engine.InitCapture(), kCaptureNotifyUnavailable);
    EXPECT_EQ(engine.device->notify, nullptr);
    EXPECT_FALSE(engine.captureReady);
}

}  // namespace
