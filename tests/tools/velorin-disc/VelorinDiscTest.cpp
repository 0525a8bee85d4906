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
#include "tests/support/ChildProcess.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

constexpr std::uintmax_t kSecondBytes =
    std::uintmax_t{platform::mci::kSectorsPerSecond} * platform::mci::kSectorBytes;

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
    std::string Cue() const {
        std::ifstream file(folder_ / "disc.cue");
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    fs::path folder_;
};

TEST_F(VelorinDisc, BadArgumentsExitTwoWithUsageAndWriteNothing) {
    const std::string image = (folder_ / "disc.cue").string();
    const std::vector<std::vector<std::string>> cases = {{},
                                                         {image, "-5"},
                                                         {image, "abc"},
                                                         {image, "0"},
                                                         {image, "nan"},
                                                         {image, "inf"},
                                                         {image, "4000", "801"},
                                                         {image, "3", ""},
                                                         {(folder_ / "disc").string(), "3"},
                                                         {(folder_ / "di\"sc.cue").string()}};
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

TEST_F(VelorinDisc, ANewImageReplacesALongerOneWhole) {
    const std::string image = (folder_ / "disc.cue").string();
    ASSERT_EQ(Run({image, "2", "1.5", "3"}).status, 0);
    ASSERT_EQ(Run({image, "1"}).status, 0);
    EXPECT_EQ(Files(), (std::vector<std::string>{"disc.bin", "disc.cue"}));
    EXPECT_EQ(fs::file_size(folder_ / "disc.bin"), kSecondBytes);
    EXPECT_EQ(Cue(), "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");

    ASSERT_EQ(Run({image}).status, 0);
    EXPECT_EQ(fs::file_size(folder_ / "disc.bin"), 30 * kSecondBytes) << "30 s by default";
}

TEST_F(VelorinDisc, AFailedWriteLeavesTheEarlierImageAndNoTemporaryFile) {
    const std::string image = (folder_ / "disc.cue").string();
    ASSERT_EQ(Run({image, "1"}).status, 0);
    const std::string before = Cue();
    fs::remove(folder_ / "disc.bin");
    fs::create_directory(folder_ / "disc.bin");  // the new data cannot take its place
    const auto result = Run({image, "2", "2"});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("disc.bin"));
    EXPECT_EQ(Cue(), before);
    EXPECT_EQ(Files(), (std::vector<std::string>{"disc.bin", "disc.cue"}));

    EXPECT_EQ(Run({(folder_ / "missing" / "disc.cue").string()}).status, 1);
}

}  // namespace
