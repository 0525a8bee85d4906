// What VELORIN_CD may name on Linux besides files and folders. A FIFO's open waits for a writer, so
// a FIFO as the sheet, as its BIN or as the location must be refused unopened (else this test never
// ends), and a device that is no CD drive reaches no image reader.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/debug/DebugOutput.h"
#include "platform/mci/Mci.h"
#include "tests/support/TempDisc.h"

namespace platform::mci {
namespace {

TEST(CdLocation, FifosAndDevicesThatAreNoDriveAreRefusedWithoutWaiting) {
    const testing_support::TempDisc disc({0.5});
    std::filesystem::path bin = disc.image();
    bin.replace_extension(".bin");
    std::filesystem::remove(bin);
    const std::filesystem::path sheetFifo = disc.folder() / "fifo.cue";
    const std::filesystem::path plainFifo = disc.folder() / "fifo";
    for (const auto& fifo : {bin, sheetFifo, plainFifo}) {
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << fifo;
    }
    debug::CapturedDebugOutput debug;
    for (const auto& location :
         {disc.image(), sheetFifo, plainFifo, std::filesystem::path("/dev/null")}) {
        SetCdLocation(location.string());
        EXPECT_EQ(OpenCdAudio(), nullptr) << location;
    }
    SetCdLocation(std::nullopt);
    EXPECT_NE(debug.text().find("/dev/null is neither a CUE sheet nor a CD drive\n"),
              std::string::npos)
        << debug.text();
}

}  // namespace
}  // namespace platform::mci
