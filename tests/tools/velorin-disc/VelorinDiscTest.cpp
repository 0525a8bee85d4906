// Runs velorin-disc: checked arguments that write nothing when wrong, and images that replace
// earlier ones whole or not at all.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/mci/AudioSectors.h"
#include "platform/mci/cue/CueSheet.h"
#include "tests/support/ChildProcess.h"
#include "tools/velorin-disc/CueImage.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

class VelorinDisc : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velorin-disc-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    testing_support::ProgramResult Run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), VELORIN_DISC_PROGRAM);
        return testing_support::RunProgram(arguments);
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(folder_ / name, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string Cue() const { return Read("disc.cue"); }
    // The image as the launcher's reader takes it: its sheet, and data of the tracks' length.
    void ExpectReadable(std::size_t tracks, std::uintmax_t sectors) const {
        const auto read = platform::mci::cue::ReadCueSheet(Cue());
        ASSERT_TRUE(read.sheet.has_value()) << read.problem;
        EXPECT_EQ(read.sheet->tracks.size(), tracks);
        EXPECT_EQ(fs::file_size(folder_ / read.sheet->file), sectors * platform::mci::kSectorBytes);
    }

    fs::path folder_;
};

TEST_F(VelorinDisc, BadArgumentsExitTwoWithUsageAndWriteNothing) {
    const std::string image = (folder_ / "disc.cue").string();
    std::vector<std::vector<std::string>> cases = {{},
                                                   {image, "-5"},
                                                   {image, "abc"},
                                                   {image, "0"},
                                                   {image, "nan"},
                                                   {image, "inf"},
                                                   {image, "4000", "801"},
                                                   {image, "3", ""},
                                                   {(folder_ / "disc").string(), "3"},
                                                   {(folder_ / "di\"sc.cue").string()},
                                                   {(folder_ / "di\nsc.cue").string()},
                                                   {(folder_ / "d:isc.cue").string()},
                                                   {(folder_ / "nul.cue").string()},
                                                   {image, "1", "1"}};
    cases.back().resize(2 + disc::kMaxTracks, "1");  // one track too many
    for (const auto& arguments : cases) {
        const auto result = Run(arguments);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(arguments);
        EXPECT_THAT(result.err, HasSubstr("usage: velorin-disc IMAGE.cue"));
    }
    EXPECT_TRUE(Files().empty());
}

TEST_F(VelorinDisc, HelpPrintsTheUsage) {
    const auto result = Run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.out, HasSubstr("usage: velorin-disc IMAGE.cue [SECONDS ...]"));
}

// The data takes a name the earlier sheet does not hold, so the sheet's replacement is the one
// step that switches images.
TEST_F(VelorinDisc, ANewImageReplacesALongerOneWholeAndTheLauncherReadsEach) {
    const std::string image = (folder_ / "disc.cue").string();
    ASSERT_EQ(Run({image, "2", "1.5", "3"}).status, 0);
    EXPECT_EQ(Files(), (std::vector<std::string>{"disc.bin", "disc.cue"}));
    ExpectReadable(3, 150 + 113 + 225);
    ASSERT_EQ(Run({image, "1"}).status, 0);
    EXPECT_EQ(Files(), (std::vector<std::string>{"disc.1.bin", "disc.cue"}));
    EXPECT_EQ(Cue(), "FILE \"disc.1.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");
    ExpectReadable(1, 75);

    ASSERT_EQ(Run({image}).status, 0);
    EXPECT_EQ(Files(), (std::vector<std::string>{"disc.bin", "disc.cue"}));
    ExpectReadable(1, std::uintmax_t{30} * platform::mci::kSectorsPerSecond);

    std::vector<std::string> most = {image};
    most.resize(1 + disc::kMaxTracks, "0.1");
    ASSERT_EQ(Run(most).status, 0);
    ExpectReadable(disc::kMaxTracks, std::uintmax_t{disc::kMaxTracks} * 8);
}

TEST_F(VelorinDisc, AFailedWriteLeavesTheEarlierImageAndNoOtherFile) {
    const std::string image = (folder_ / "disc.cue").string();
    ASSERT_EQ(Run({image, "1"}).status, 0);
    const std::string sheet = Cue();
    const std::string data = Read("disc.bin");
    const auto tooLarge = testing_support::RunProgram(
        {"prlimit", "--fsize=300000", VELORIN_DISC_PROGRAM, image, "2", "2"});
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_THAT(tooLarge.err, HasSubstr("File too large"));
    EXPECT_EQ(Cue(), sheet);
    EXPECT_EQ(Read("disc.bin"), data);
    EXPECT_EQ(Files(), (std::vector<std::string>{"disc.bin", "disc.cue"}));

    // A sheet that cannot take its place takes its new data with it.
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "disc.cue" / "in the way");
    EXPECT_EQ(Run({image, "1"}).status, 1);
    EXPECT_EQ(Files(), (std::vector<std::string>{"disc.cue"}));

    EXPECT_EQ(Run({(folder_ / "missing" / "disc.cue").string()}).status, 1);
}

}  // namespace
