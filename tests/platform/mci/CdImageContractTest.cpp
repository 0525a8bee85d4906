// The CD audio device on CD images, the same through the layer's open (VELORIN_CD) and through our
// own CUE sheet reader directly: the table of contents as the CUE sheet says, audio and data tracks
// told apart, digital play heard through the loopback card, images that are cut short or whose
// sheet a laxer reader would misread, and nothing but a sheet or a drive opened, never waited on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/debug/DebugOutput.h"
#include "platform/dsound/DirectSound.h"
#include "platform/dsound/LineInput.h"
#include "platform/dsound/loopback/Loopback.h"
#include "platform/mci/CdPlayer.h"
#include "platform/mci/Mci.h"
#include "platform/mci/cue/CueImage.h"
#include "tests/support/TempDisc.h"

namespace platform::mci {
namespace {

using testing_support::TempDisc;

constexpr int kRate = 8000;

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
    return (length.minutes * 60 + length.seconds) * kSectorsPerSecond + length.frames;
}

struct ImageOpener {
    const char* name;
    std::unique_ptr<CdDevice> (*open)(const std::filesystem::path& image);
};

// The layer's own open, which VELORIN_CD steers, and the CUE sheet reader on its own.
const ImageOpener kOpeners[] = {
    {"system",
     [](const std::filesystem::path& image) {
         SetCdLocation(image.string());
         return OpenCdAudio();
     }},
    {"cue_reader", [](const std::filesystem::path& image) { return cue::OpenCueImage(image); }},
};

class CdImage : public ::testing::TestWithParam<ImageOpener> {
  protected:
    CdImage() { dsound::SetAudioSystem(&card_); }
    ~CdImage() override {
        CdPlayer::Instance().Stop();
        SetCdLocation(std::nullopt);
        dsound::SetAudioSystem(nullptr);
    }
    std::unique_ptr<CdDevice> Open(const TempDisc& disc) { return GetParam().open(disc.image()); }
    std::unique_ptr<CdDevice> OpenInTmsf(const TempDisc& disc) {
        auto drive = Open(disc);
        if (drive != nullptr) {
            drive->SetTimeFormat(TimeFormat::Tmsf);
        }
        return drive;
    }

    debug::CapturedDebugOutput quiet_;  // why an image was refused
    dsound::loopback::LoopbackAudioSystem card_{dsound::loopback::LoopbackOptions{}};
};

INSTANTIATE_TEST_SUITE_P(Openers, CdImage, ::testing::ValuesIn(kOpeners),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(CdImage, TracksAndTheirLengthsToTheFrameAreThoseOfTheCueSheet) {
    TempDisc disc({15.0 + 74.0 / 75.0, 61.0, {2.0, true}});
    auto drive = Open(disc);
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

TEST_P(CdImage, DataTracksNeitherPlayNorMakeAnAudioCd) {
    TempDisc mixed({0.5, {1.0, true}});
    auto drive = OpenInTmsf(mixed);
    ASSERT_NE(drive, nullptr);
    EXPECT_FALSE(drive->Play({2, 0, 0, 0}, std::nullopt)) << "a data track does not play";

    TempDisc dataOnly({{2.0, true}});
    drive = OpenInTmsf(dataOnly);
    ASSERT_NE(drive, nullptr) << "the disc is there";
    EXPECT_FALSE(drive->NumberOfTracks().has_value()) << "but it is no audio CD";
    EXPECT_FALSE(drive->Play({1, 0, 0, 0}, std::nullopt));
}

TEST_P(CdImage, NothingToOpenIsNoDrive) {
    TempDisc disc({0.5});
    for (const auto& location : {disc.folder() / "missing.cue", disc.folder()}) {
        EXPECT_EQ(GetParam().open(location), nullptr) << location;
    }
}

TEST_P(CdImage, PlaysATrackUpToTheNextOneAndKeepsPlayingAfterClose) {
    TempDisc disc({0.5, 0.5});
    {
        auto drive = Open(disc);
        ASSERT_NE(drive, nullptr);
        EXPECT_FALSE(drive->Play({1, 0, 0, 0}, Tmsf{2, 0, 0, 0})) << "positions need TMSF";
        ASSERT_TRUE(drive->SetTimeFormat(TimeFormat::Tmsf));
        ASSERT_TRUE(drive->Play({1, 0, 0, 0}, Tmsf{2, 0, 0, 0}));
    }
    EXPECT_GT(HeardEnergy(0.45), 10.0);
    HeardEnergy(0.1);
    EXPECT_EQ(HeardEnergy(0.5), 0.0) << "track 2 must not play";
}

TEST_P(CdImage, PlaysTheLastTrackToTheEndAndStopsAtOnce) {
    TempDisc disc({0.3, 2.0});
    auto drive = OpenInTmsf(disc);
    ASSERT_TRUE(drive->Play({2, 0, 0, 0}, std::nullopt));
    EXPECT_GT(HeardEnergy(0.5), 10.0);
    EXPECT_TRUE(drive->Stop());
    EXPECT_EQ(HeardEnergy(0.2), 0.0);
}

TEST_P(CdImage, ABinCutShortPlaysWhatIsThereAndEndsWithoutAFault) {
    TempDisc disc({1.0, 1.0});
    std::filesystem::path bin = disc.image();
    std::filesystem::resize_file(bin.replace_extension(".bin"), std::uintmax_t{40} * kSectorBytes);
    auto drive = OpenInTmsf(disc);
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

// Tracks numbered otherwise than 1, 2, 3 up to 99 made libcdio's reader write outside its track
// table, and the heap it corrupted crashed later, when a handle was closed. Such sheets open no
// drive, whether named by the sheet or by its BIN, and a sheet numbered in sequence still opens.
TEST_P(CdImage, SheetsWhoseTracksAreNotNumberedOneTwoThreeOpenNoDrive) {
    TempDisc disc({0.5});
    const auto write = [&](const std::string& tracks) {
        std::ofstream(disc.image(), std::ios::trunc) << "FILE \"disc.bin\" BINARY\n" << tracks;
    };
    std::string hundredTwenty;
    for (int track = 0; track < 120; ++track) {
        hundredTwenty += "TRACK 01 AUDIO\n  INDEX 01 00:00:00\n";
    }
    const std::vector<std::pair<std::string, std::string>> sheets = {
        {"more than 99 tracks", hundredTwenty},
        {"first track above the count", "TRACK 07 AUDIO\nINDEX 01 00:00:00\nTRACK 07 AUDIO\n"},
        {"a track skipped", "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 03 AUDIO\n"},
        {"no track at all", "REM nothing but a remark\n"},
        {"a track number that is no number", "TRACK 1x AUDIO\nINDEX 01 00:00:00\n"},
    };
    std::filesystem::path bin = disc.image();
    bin.replace_extension(".bin");
    for (const auto& [what, sheet] : sheets) {
        write(sheet);
        for (const auto& location : {disc.image(), bin}) {
            EXPECT_EQ(GetParam().open(location), nullptr) << what << ", opened as " << location;
        }
    }
    write("TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 2 AUDIO\nINDEX 01 00:00:30\n");
    auto drive = Open(disc);
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(drive->NumberOfTracks(), 2);
}

// libcdio's TOC and NRG readers write out of bounds on crafted files, so VELORIN_CD reaches libcdio
// only when it names a drive. Every other name, whatever the file holds, is refused at once with
// one line of debug output, and a sheet is known by its extension in any letter case.
TEST(CdLocation, OnlyACueSheetOrADriveOpensAndAnythingElseIsOneDebugLine) {
    dsound::loopback::LoopbackAudioSystem card{dsound::loopback::LoopbackOptions{}};
    dsound::SetAudioSystem(&card);
    TempDisc disc({0.5});
    const auto copy = [&](const std::string& name) {
        std::filesystem::copy_file(disc.image(), disc.folder() / name);
        return disc.folder() / name;
    };
    std::filesystem::path bin = disc.image();
    bin.replace_extension(".bin");
    for (const auto& location : {copy("disc.toc"), copy("disc.nrg"), copy("disc"), bin,
                                 disc.folder(), disc.folder() / "missing"}) {
        debug::CapturedDebugOutput debug;
        SetCdLocation(location.string());
        EXPECT_EQ(OpenCdAudio(), nullptr) << location;
        EXPECT_EQ(std::count(debug.text().begin(), debug.text().end(), '\n'), 1) << debug.text();
        EXPECT_NE(debug.text().find(location.string()), std::string::npos) << debug.text();
    }
    debug::CapturedDebugOutput quiet;
    SetCdLocation(copy("Copy.CUE").string());
    auto drive = OpenCdAudio();
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(drive->NumberOfTracks(), 1);
    SetCdLocation(std::nullopt);
    dsound::SetAudioSystem(nullptr);
}

}  // namespace
}  // namespace platform::mci
