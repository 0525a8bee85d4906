#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/dsound/LineInput.h"
#include "platform/mci/Mci.h"
#include "tests/support/TempDisc.h"

namespace platform::mci {
namespace {

using testing_support::TempDisc;

constexpr int kRate = 8000;

// Energy of the next seconds of what the drive sends to the line input.
double HeardEnergy(double seconds) {
    std::vector<float> samples(static_cast<std::size_t>(seconds * kRate));
    dsound::ReadLineInput(samples, kRate);
    double energy = 0.0;
    for (float sample : samples) {
        energy += sample * sample;
    }
    return energy;
}

class VirtualDiscTest : public ::testing::Test {
  protected:
    ~VirtualDiscTest() override {
        if (auto drive = OpenCdAudio()) {
            drive->Stop();
        }
        SetCdLocation(std::nullopt);
    }
};

TEST_F(VirtualDiscTest, CountsTracksAndMeasuresThemInMinutesSecondsAndFrames) {
    TempDisc disc({15.0 + 74.0 / 75.0 + 0.001, 61.0});
    SetCdLocation(disc.folder().string());
    auto drive = OpenCdAudio();
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(drive->NumberOfTracks(), 2);
    const auto first = drive->TrackLength(1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->minutes, 0);
    EXPECT_EQ(first->seconds, 15);
    EXPECT_EQ(first->frames, 74);
    EXPECT_EQ(drive->TrackLength(2)->minutes, 1);
    EXPECT_FALSE(drive->TrackLength(3).has_value());
}

TEST_F(VirtualDiscTest, EmptyFolderIsADriveWithoutDiscAndMissingFolderNoDrive) {
    TempDisc empty(std::initializer_list<double>{});
    SetCdLocation(empty.folder().string());
    auto drive = OpenCdAudio();
    ASSERT_NE(drive, nullptr);
    EXPECT_FALSE(drive->NumberOfTracks().has_value());
    EXPECT_TRUE(drive->SetTimeFormat(TimeFormat::Tmsf));
    EXPECT_FALSE(drive->Play({1, 0, 0, 0}, std::nullopt));

    SetCdLocation((empty.folder() / "missing").string());
    EXPECT_EQ(OpenCdAudio(), nullptr);
    EXPECT_FALSE(CanOpen(DeviceType::CdAudio));
}

TEST_F(VirtualDiscTest, PlaysATrackUpToTheNextOneAndKeepsPlayingAfterClose) {
    TempDisc disc({0.5, 0.5});
    SetCdLocation(disc.folder().string());
    {
        auto drive = OpenCdAudio();
        ASSERT_NE(drive, nullptr);
        EXPECT_FALSE(drive->Play({1, 0, 0, 0}, Tmsf{2, 0, 0, 0})) << "positions need TMSF";
        ASSERT_TRUE(drive->SetTimeFormat(TimeFormat::Tmsf));
        ASSERT_TRUE(drive->Play({1, 0, 0, 0}, Tmsf{2, 0, 0, 0}));
    }
    EXPECT_GT(HeardEnergy(0.45), 10.0);
    HeardEnergy(0.1);
    EXPECT_EQ(HeardEnergy(0.5), 0.0) << "track 2 must not play";
}

TEST_F(VirtualDiscTest, PlaysTheLastTrackToTheEndOfTheDiscAndStops) {
    TempDisc disc({0.3, 1.0});
    SetCdLocation(disc.folder().string());
    auto drive = OpenCdAudio();
    ASSERT_TRUE(drive->SetTimeFormat(TimeFormat::Tmsf));
    ASSERT_TRUE(drive->Play({2, 0, 0, 0}, std::nullopt));
    EXPECT_GT(HeardEnergy(0.5), 10.0);
    EXPECT_TRUE(drive->Stop());
    EXPECT_EQ(HeardEnergy(0.2), 0.0);
}

}  // namespace
}  // namespace platform::mci
