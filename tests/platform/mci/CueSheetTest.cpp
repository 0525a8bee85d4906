// Our own CUE sheet reader: the sheets our images have read as their tracks, and every sheet it
// cannot read exactly is refused whole, with the line and the reason, never guessed at. Opening
// an image never reaches a file outside the sheet's folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/debug/DebugOutput.h"
#include "platform/mci/cue/CueImage.h"
#include "platform/mci/cue/CueSheet.h"
#include "tests/support/Helpers.h"
#include "tests/support/TempDisc.h"
#include "tools/velorin-disc/CueImage.h"

namespace platform::mci::cue {
namespace {

TEST(CueSheetReader, ReadsTheTracksOfTheSheetsImagesCarry) {
    const std::string written =
        disc::CueSheet("drums.bin", {{100, false, {}}, {4500, true, {}}, {75, false, {}}});
    const CueResult read = ReadCueSheet(written);
    ASSERT_TRUE(read.sheet.has_value()) << read.problem;
    EXPECT_EQ(read.sheet->file, "drums.bin");
    ASSERT_EQ(read.sheet->tracks.size(), 3u);
    EXPECT_EQ(read.sheet->tracks[0].start, 0);
    EXPECT_TRUE(read.sheet->tracks[0].audio);
    EXPECT_EQ(read.sheet->tracks[1].start, 100);
    EXPECT_FALSE(read.sheet->tracks[1].audio);
    EXPECT_EQ(read.sheet->tracks[2].start, 4600);

    // Another writer's habits: a byte-order mark, CR LF, comments and titles, small letters, an
    // INDEX 00 before the track's start, unquoted names, tabs.
    const CueResult other = ReadCueSheet(
        "\xEF\xBB\xBFREM made elsewhere\r\nTITLE \"Drums & more\"\r\nfile disc.bin binary\r\n"
        "\ttrack 01 audio\r\n    FLAGS DCP\r\n    INDEX 00 00:00:00\r\n    INDEX 01 00:00:30\r\n"
        "  TRACK 2 MODE2/2352\r\n    ISRC ABCDE1234567\r\n    INDEX 01 01:02:03\r\n    INDEX 02 "
        "01:03:00\r\n");
    ASSERT_TRUE(other.sheet.has_value()) << other.problem;
    EXPECT_EQ(other.sheet->file, "disc.bin");
    ASSERT_EQ(other.sheet->tracks.size(), 2u);
    EXPECT_EQ(other.sheet->tracks[0].start, 30);
    EXPECT_EQ(other.sheet->tracks[1].start, (62 * 75) + 3);
}

struct Refusal {
    const char* what;
    std::string sheet;
    const char* problem;  // the start of the reason given
};

const std::string kHead = "FILE \"disc.bin\" BINARY\n";
const std::string kTrack1 = "TRACK 01 AUDIO\nINDEX 01 00:00:00\n";

const Refusal kRefusals[] = {
    {"empty", "", "no FILE"},
    {"no file", "REM only\n", "no FILE"},
    {"no track", kHead, "no TRACK"},
    {"track before file", "TRACK 01 AUDIO\n" + kHead, "line 1: a TRACK before"},
    {"second file", kHead + kTrack1 + kHead, "line 4: only one FILE"},
    {"wave file", "FILE \"a.wav\" WAVE\n", "line 1: only FILE"},
    {"file without type", "FILE \"disc.bin\"\n", "line 1: only FILE"},
    {"repeated track", kHead + kTrack1 + kTrack1, "line 4: tracks must be numbered"},
    {"tracks out of order", kHead + kTrack1 + "TRACK 03 AUDIO\n", "line 4: tracks must"},
    {"track zero", kHead + "TRACK 00 AUDIO\n", "line 2: tracks must"},
    {"first track two", kHead + "TRACK 02 AUDIO\n", "line 2: tracks must"},
    {"three digits", kHead + "TRACK 001 AUDIO\n", "line 2: tracks must"},
    {"negative", kHead + "TRACK -1 AUDIO\n", "line 2: tracks must"},
    {"2048-byte sectors", kHead + "TRACK 01 MODE1/2048\n", "line 2: only tracks of 2,352"},
    {"track without index", kHead + "TRACK 01 AUDIO\nTRACK 02 AUDIO\n", "line 3: the track before"},
    {"last track without index 01", kHead + "TRACK 01 AUDIO\nINDEX 00 00:00:00\n", "the last"},
    {"index outside a track", kHead + "INDEX 01 00:00:00\n", "line 2: an INDEX outside"},
    {"index 02 first", kHead + "TRACK 01 AUDIO\nINDEX 02 00:00:00\n", "line 3: indexes"},
    {"index repeated", kHead + kTrack1 + "INDEX 01 00:00:01\n", "line 4: indexes"},
    {"index backwards", kHead + "TRACK 01 AUDIO\nINDEX 00 00:00:10\nINDEX 01 00:00:05\n",
     "line 4: positions"},
    {"track backwards",
     kHead + "TRACK 01 AUDIO\nINDEX 01 00:00:10\nTRACK 02 AUDIO\nINDEX 01 "
             "00:00:05\n",
     "line 5: positions"},
    {"empty track", kHead + kTrack1 + "TRACK 02 AUDIO\nINDEX 01 00:00:00\n", "line 5: positions"},
    {"sixty seconds", kHead + "TRACK 01 AUDIO\nINDEX 01 00:60:00\n", "line 3: an INDEX is"},
    {"75 frames", kHead + "TRACK 01 AUDIO\nINDEX 01 00:00:75\n", "line 3: an INDEX is"},
    {"absurd minutes", kHead + "TRACK 01 AUDIO\nINDEX 01 4294967296:00:00\n", "line 3: an INDEX"},
    {"index without position", kHead + "TRACK 01 AUDIO\nINDEX 01\n", "line 3: an INDEX is"},
    {"pregap", kHead + "TRACK 01 AUDIO\nPREGAP 00:02:00\n", "line 3: gaps"},
    {"unknown command", kHead + "PLAY everything\n", "line 2: an unknown command"},
    {"open quote", "FILE \"disc.bin BINARY\n", "line 1: a quote"},
    {"nul byte", kHead + std::string("REM a\0b\n", 8), "line 2: a control character"},
    {"escape", kHead + "TITLE \x1b[2J\n", "line 2: a control character"},
    {"parent folder", "FILE \"../disc.bin\" BINARY\n", "line 1: the file must be named"},
    {"absolute path", "FILE \"/etc/passwd\" BINARY\n", "line 1: the file"},
    {"sub-folder", "FILE \"sub/disc.bin\" BINARY\n", "line 1: the file"},
    {"backslash", "FILE \"..\\disc.bin\" BINARY\n", "line 1: the file"},
    {"drive", "FILE \"C:disc.bin\" BINARY\n", "line 1: the file"},
    {"dot dot", "FILE \"..\" BINARY\n", "line 1: the file"},
    {"empty name", "FILE \"\" BINARY\n", "line 1: the file"},
    {"trailing dot", "FILE \"disc.bin.\" BINARY\n", "line 1: the file"},
    {"device", "FILE \"nul.bin\" BINARY\n", "line 1: the file"},
    {"serial port", "FILE \"COM1\" BINARY\n", "line 1: the file"},
    {"too large", kHead + kTrack1 + std::string(kMaxSheetBytes, ' '), "the sheet is larger"},
};

TEST(CueSheetReader, RefusesEverySheetItCannotReadExactly) {
    for (const Refusal& refusal : kRefusals) {
        const CueResult read = ReadCueSheet(refusal.sheet);
        EXPECT_FALSE(read.sheet.has_value()) << refusal.what;
        EXPECT_TRUE(read.problem.starts_with(refusal.problem))
            << refusal.what << ": " << read.problem;
    }
}

TEST(CueImageOpen, FindsTheBinBesideTheSheetAndNowhereElse) {
    debug::CapturedDebugOutput debug;
    testing_support::TempDisc disc({0.5});
    const std::filesystem::path& folder = disc.folder();
    EXPECT_NE(OpenCueImage(disc.image()), nullptr);

    // A sheet in a sub-folder does not find the BIN in the folder above, nor in the current one.
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::copy_file(disc.image(), folder / "sub" / "disc.cue");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    EXPECT_EQ(OpenCueImage(folder / "sub" / "disc.cue"), nullptr);
    std::filesystem::current_path(before);

    // A BIN that is a folder, a sheet that is a folder, a missing sheet, a refused sheet.
    std::filesystem::create_directory(folder / "sub" / "disc.bin");
    EXPECT_EQ(OpenCueImage(folder / "sub" / "disc.cue"), nullptr);
    EXPECT_EQ(OpenCueImage(folder / "sub"), nullptr);
    EXPECT_EQ(OpenCueImage(folder / "missing.cue"), nullptr);
    testing_support::WriteFile(folder / "bad.cue",
                               "FILE \"../disc.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
    EXPECT_EQ(OpenCueImage(folder / "bad.cue"), nullptr);
    EXPECT_NE(debug.text().find("bad.cue: line 1: the file must be named"), std::string::npos)
        << debug.text();

    // A sheet file too large to be one is not read at all.
    testing_support::WriteFile(folder / "large.cue", std::string(kMaxSheetBytes + 1, '\n'));
    EXPECT_EQ(OpenCueImage(folder / "large.cue"), nullptr);
}

TEST(CueImageOpen, KnowsSheetsByTheirExtension) {
    for (const char* name : {"disc.cue", "D:\\images\\DISC.CUE", "/tmp/x.Cue"}) {
        EXPECT_TRUE(IsCueSheetName(name)) << name;
    }
    for (const char* name : {"", "D:", "/dev/cdrom", "disc.cue.bin", "disc.toc", "cue"}) {
        EXPECT_FALSE(IsCueSheetName(name)) << name;
    }
}

}  // namespace
}  // namespace platform::mci::cue
