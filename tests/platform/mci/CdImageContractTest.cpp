// The CD audio device on CD images through libcdio: the table of contents as the CUE sheet says,
// audio and data tracks told apart, digital play heard through the loopback card, and images that
// are cut short.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include "platform/dsound/DirectSound.h"
#include "platform/dsound/LineInput.h"
#include "platform/dsound/loopback/Loopback.h"
#include "platform/mci/Mci.h"
#include "tests/support/TempDisc.h"

namespace platform::mci {
namespace {

using testing_support::TempDisc;

constexpr int kRate = 8000;
constexpr int kSectorBytes = 2352;

// Energy of the next seconds of what the loopback card hears.
double HeardEnergy(double seconds) {
    std::vector<float> samples(static_cast<std::size_t>(seconds * kRate));
    dsound::ReadLineInput(samples, kRate);
    double energy = 0.0;
    for (float sample : samples) {
        energy += sample * sample;
    }
    return energy;
}

// Each track's start sector as its INDEX 01 line gives it, then the BIN's end.
std::vector<int> CueBoundaries(const std::filesystem::path& cue) {
    std::ifstream file(cue);
    std::stringstream text;
    text << file.rdbuf();
    const std::string sheet = text.str();
    const std::regex index(R"(INDEX 01 (\d+):(\d+):(\d+))");
    std::vector<int> starts;
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), index);
         it != std::sregex_iterator(); ++it) {
        starts.push_back((std::stoi((*it)[1]) * 60 + std::stoi((*it)[2])) * 75 +
                         std::stoi((*it)[3]));
    }
    std::filesystem::path bin = cue;
    starts.push_back(
        static_cast<int>(std::filesystem::file_size(bin.replace_extension(".bin")) / kSectorBytes));
    return starts;
}

int Sectors(const Msf& length) {
    return (length.minutes * 60 + length.seconds) * kFramesPerSecond + length.frames;
}

std::unique_ptr<CdDevice> OpenInTmsf() {
    auto drive = OpenCdAudio();
    if (drive != nullptr) {
        drive->SetTimeFormat(TimeFormat::Tmsf);
    }
    return drive;
}

class CdioDrive : public ::testing::Test {
  protected:
    CdioDrive() { dsound::SetAudioSystem(&card_); }
    ~CdioDrive() override {
        if (auto drive = OpenCdAudio()) {
            drive->Stop();
        }
        SetCdLocation(std::nullopt);
        dsound::SetAudioSystem(nullptr);
    }
    void Use(const TempDisc& disc) { SetCdLocation(disc.image().string()); }

    dsound::loopback::LoopbackAudioSystem card_{dsound::loopback::LoopbackOptions{}};
};

TEST_F(CdioDrive, TracksAndTheirLengthsToTheFrameAreThoseOfTheCueSheet) {
    TempDisc disc({15.0 + 74.0 / 75.0, 61.0, {2.0, true}});
    Use(disc);
    auto drive = OpenCdAudio();
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(drive->NumberOfTracks(), 3);
    const std::vector<int> bounds = CueBoundaries(disc.image());
    ASSERT_EQ(bounds.size(), 4u);
    for (int track = 1; track <= 3; ++track) {
        const auto length = drive->TrackLength(track);
        ASSERT_TRUE(length.has_value()) << "track " << track;
        EXPECT_EQ(Sectors(*length), bounds[track] - bounds[track - 1]) << "track " << track;
    }
    EXPECT_EQ(drive->TrackLength(1)->seconds, 15);
    EXPECT_EQ(drive->TrackLength(1)->frames, 74);
    EXPECT_EQ(drive->TrackLength(2)->minutes, 1);
    EXPECT_FALSE(drive->TrackLength(4).has_value());
    EXPECT_FALSE(drive->TrackLength(0).has_value());
}

TEST_F(CdioDrive, DataTracksNeitherPlayNorMakeAnAudioCd) {
    TempDisc mixed({0.5, {1.0, true}});
    Use(mixed);
    auto drive = OpenInTmsf();
    ASSERT_NE(drive, nullptr);
    EXPECT_FALSE(drive->Play({2, 0, 0, 0}, std::nullopt)) << "a data track does not play";

    TempDisc dataOnly({{2.0, true}});
    Use(dataOnly);
    drive = OpenInTmsf();
    ASSERT_NE(drive, nullptr) << "the disc is there";
    EXPECT_FALSE(drive->NumberOfTracks().has_value()) << "but it is no audio CD";
    EXPECT_FALSE(drive->Play({1, 0, 0, 0}, std::nullopt));
}

TEST_F(CdioDrive, NothingToOpenIsNoDrive) {
    TempDisc disc({0.5});
    for (const auto& location : {disc.folder() / "missing.cue", disc.folder()}) {
        SetCdLocation(location.string());
        EXPECT_EQ(OpenCdAudio(), nullptr) << location;
        EXPECT_FALSE(CanOpen(DeviceType::CdAudio));
    }
}

TEST_F(CdioDrive, PlaysATrackUpToTheNextOneAndKeepsPlayingAfterClose) {
    TempDisc disc({0.5, 0.5});
    Use(disc);
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

TEST_F(CdioDrive, PlaysTheLastTrackToTheEndAndStopsAtOnce) {
    TempDisc disc({0.3, 2.0});
    Use(disc);
    auto drive = OpenInTmsf();
    ASSERT_TRUE(drive->Play({2, 0, 0, 0}, std::nullopt));
    EXPECT_GT(HeardEnergy(0.5), 10.0);
    EXPECT_TRUE(drive->Stop());
    EXPECT_EQ(HeardEnergy(0.2), 0.0);
}

TEST_F(CdioDrive, ABinCutShortPlaysWhatIsThereAndEndsWithoutAFault) {
    TempDisc disc({1.0, 1.0});
    Use(disc);
    std::filesystem::path bin = disc.image();
    std::filesystem::resize_file(bin.replace_extension(".bin"), 40 * kSectorBytes);
    auto drive = OpenInTmsf();
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(drive->NumberOfTracks(), 2) << "the sheet still lists both";
    EXPECT_EQ(Sectors(*drive->TrackLength(1)), 75);
    EXPECT_FALSE(drive->TrackLength(2).has_value()) << "track 2 begins past the end";
    EXPECT_FALSE(drive->Play({2, 0, 0, 0}, std::nullopt));

    ASSERT_TRUE(drive->Play({1, 0, 0, 0}, Tmsf{2, 0, 0, 0}));
    EXPECT_GT(HeardEnergy(0.4), 10.0);
    HeardEnergy(0.2);
    EXPECT_EQ(HeardEnergy(0.5), 0.0) << "the read error ends the play";
}

}  // namespace
}  // namespace platform::mci
