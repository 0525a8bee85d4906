#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "platform/dsound/DirectSound.h"
#include "platform/dsound/LineInput.h"
#include "platform/dsound/loopback/Loopback.h"
#include "tests/platform/dsound/RealBackend.h"

namespace platform::dsound {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kRate = kContractRate;
constexpr std::uint32_t kBufferBytes = kContractBufferBytes;

std::uint32_t g_lineSamples = 0;
void PatternLineInput(std::span<float> mono, int) {
    for (float& sample : mono) {
        sample = (static_cast<float>(PatternByte(g_lineSamples++)) - 128.0f) / 128.0f;
    }
}

std::unique_ptr<AudioSystem> MakeLoopback() {
    g_lineSamples = 0;
    ConnectLineInput(PatternLineInput);
    return std::make_unique<loopback::LoopbackAudioSystem>(loopback::LoopbackOptions{});
}

class CaptureContract : public ::testing::TestWithParam<ContractBackend> {
  protected:
    void SetUp() override {
        system_ = GetParam().create();
        capture_ = system_->CreateCapture();
        ASSERT_NE(capture_, nullptr);
        format_ = {kFormatPcm, 1, kRate, kRate, 1, 8, 0};
        buffer_ = capture_->CreateCaptureBuffer({kBufferBytes, &format_});
        ASSERT_NE(buffer_, nullptr);
        notify_ = buffer_->QueryNotify();
        ASSERT_NE(notify_, nullptr);
    }
    void TearDown() override { ConnectLineInput(nullptr); }

    // Generous: a sound server on a busy machine may take seconds to deliver its first block.
    int Wait(std::chrono::milliseconds timeout = 15000ms) {
        thread::Event* events[] = {&events_[0], &events_[1], &events_[2]};
        return thread::WaitForAny(events, timeout);
    }

    std::unique_ptr<AudioSystem> system_;
    std::unique_ptr<Capture> capture_;
    WaveFormat format_;
    std::unique_ptr<CaptureBuffer> buffer_;
    std::unique_ptr<CaptureNotify> notify_;
    thread::Event events_[3];
};

TEST_P(CaptureContract, SignalsEachHalfAndHandsOverWhatWasCaptured) {
    const PositionNotify positions[] = {{kBufferBytes / 2 - 1, &events_[0]},
                                        {kBufferBytes - 1, &events_[1]},
                                        {kOffsetStop, &events_[2]}};
    ASSERT_TRUE(notify_->SetNotificationPositions(positions));
    ASSERT_TRUE(buffer_->StartLooping());
    EXPECT_FALSE(notify_->SetNotificationPositions(positions)) << "refused while capturing";

    ASSERT_EQ(Wait(), 0);
    LockedRegions regions;
    ASSERT_TRUE(buffer_->Lock(0, kBufferBytes / 2, regions));
    ASSERT_EQ(regions.firstBytes, kBufferBytes / 2);
    EXPECT_EQ(regions.secondBytes, 0u);
    for (std::uint32_t index = 0; index < regions.firstBytes; ++index) {
        ASSERT_EQ(regions.first[index], GetParam().heardByte(index)) << "at " << index;
    }
    buffer_->Unlock(regions);

    ASSERT_EQ(Wait(), 1);
    EXPECT_GE(buffer_->ReadPosition(), 0u);
    buffer_->Stop();
    EXPECT_EQ(Wait(), 2) << "stopping signals the stop position";
}

TEST_P(CaptureContract, LockWrapsIntoTwoRegionsAndRefusesNonsense) {
    LockedRegions regions;
    ASSERT_TRUE(buffer_->Lock(kBufferBytes - 100, 300, regions));
    EXPECT_EQ(regions.firstBytes, 100u);
    EXPECT_EQ(regions.secondBytes, 200u);
    EXPECT_NE(regions.second, nullptr);
    buffer_->Unlock(regions);
    EXPECT_FALSE(buffer_->Lock(kBufferBytes, 10, regions));
    EXPECT_FALSE(buffer_->Lock(0, kBufferBytes + 1, regions));
}

INSTANTIATE_TEST_SUITE_P(Backends, CaptureContract,
                         ::testing::Values(ContractBackend{"Loopback", MakeLoopback, PatternByte},
                                           RealContractBackend()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace platform::dsound
