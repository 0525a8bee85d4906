// The committed resource script is what the string table and the dialog layouts give now, so the
// Windows build can never show other texts than the Linux build.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/make-art/ResourceScript.h"

namespace {

const std::filesystem::path kResources = std::filesystem::path(VELORIN_SOURCE_DIR) / "resources";

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ResourceScriptTest, CommittedScriptAndItsPicturesAreWhatMakeArtWritesNow) {
    EXPECT_EQ(FileText(kResources / "Velorin.rc"), art::ResourceScript())
        << "resources/Velorin.rc is out of date: run make-art . from the source root";
    for (const platform::ui::PictureScale& scale : platform::ui::kPictureScales) {
        for (const int id : art::kBitmapIds) {
            EXPECT_TRUE(std::filesystem::exists(kResources / art::BitmapFile(id, scale)))
                << id << scale.fileSuffix;
        }
    }
    EXPECT_TRUE(std::filesystem::exists(kResources / art::IconFile()));
    EXPECT_TRUE(std::filesystem::exists(kResources / art::CursorFile()));
}

TEST(ResourceScriptTest, TextsKeepQuotesLineBreaksTabsBackslashesAndMnemonics) {
    EXPECT_EQ(art::ScriptString("Click \"OK\"\n\t 1) C:\\ && &About"),
              "\"Click \"\"OK\"\"\\n\\t 1) C:\\\\ && &About\"");
    EXPECT_EQ(art::ScriptString("Caf\xC3\xA9"), "\"Caf\xC3\xA9\"") << "UTF-8 passes unchanged";
}

}  // namespace
