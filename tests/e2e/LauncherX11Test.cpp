// The built launcher on a virtual X screen, driven like a user: open the options panel, turn an
// option off, look at the screen, quit; the option must be in the store and the program must end
// by itself with status 0.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/registry/fake/ScopedStore.h"
#include "settings/Settings.h"
#include "tests/e2e/Installation.h"
#include "tests/e2e/VirtualDisplay.h"
#include "tests/e2e/X11Screen.h"
#include "tests/support/ChildProcess.h"

namespace fs = std::filesystem;
using testing_support::ChildProcess;
using testing_support::RunProgram;
using velorin::test::Box;
using velorin::test::ClickAt;
using velorin::test::FindWindow;

namespace {

constexpr auto kSettle = std::chrono::milliseconds(600);
// Splash and credits together run for well under a minute; this is only a guard against hangs.
constexpr auto kRunLimit = std::chrono::seconds(120);

QImage Picture(const char* name) {
    return QImage(QString::fromStdString(std::string(VELORIN_SOURCE_DIR) + "/resources/images/" +
                                         name))
        .convertToFormat(QImage::Format_RGB32);
}

// Pixel by pixel: the screenshot carries colour-space tags that the pictures do not.
bool ShowsAt(const QImage& screen, const Box& corner, int x, int y, const QImage& picture) {
    for (int row = 0; row < picture.height(); ++row) {
        for (int column = 0; column < picture.width(); ++column) {
            if (screen.pixel(corner.x + x + column, corner.y + y + row) !=
                picture.pixel(column, row)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(LauncherOnX11, PanelOptionIsStoredShownAndQuitEndsTheProgramCleanly) {
    platform::registry::ScopedStore store;
    SetAudioDialogue(1);
    SetAudioBackgroundSounds(1);
    velorin::test::VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.Ready()) << "Xvfb did not start";
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("VELORIN_AUDIO", "loopback", 1);
    const fs::path install = velorin::test::StageLauncher(store.folder());

    ChildProcess launcher({(install / "velorin-launcher").string()}, ChildProcess::Output::Shared);
    ASSERT_TRUE(launcher.started());
    const std::optional<Box> corner = FindWindow("^Velorin Launcher$");
    ASSERT_TRUE(corner) << "no launcher screen appeared";
    std::this_thread::sleep_for(kSettle);

    ClickAt(*corner, 300, 100);  // Set-Up Options
    ClickAt(*corner, 20, 77);    // Character Dialogue
    const fs::path shot = store.folder() + "/screen.png";
    RunProgram({"import", "-window", "root", "PNG24:" + shot.string()});
    const QImage screen(QString::fromStdString(shot.string()));
    ASSERT_FALSE(screen.isNull());
    EXPECT_TRUE(ShowsAt(screen, *corner, 17, 180, Picture("bitmap-145.png").copy(17, 180, 158, 24)))
        << "the options panel is not on the screen";
    EXPECT_TRUE(ShowsAt(screen, *corner, 16, 72, Picture("bitmap-133.png")))
        << "Character Dialogue does not show as off";
    EXPECT_TRUE(ShowsAt(screen, *corner, 16, 85, Picture("bitmap-134.png")))
        << "Background Sounds does not show as on";
    if (const char* keep = std::getenv("VELORIN_KEEP_SCREENSHOT")) {
        fs::copy_file(shot, keep, fs::copy_options::overwrite_existing);
    }

    ClickAt(*corner, 300, 225);  // Quit
    EXPECT_EQ(launcher.Wait(kRunLimit), std::optional<int>(0));
    const std::string options = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaly\\Velorin\\Options";
    EXPECT_EQ(RunProgram({VELORIN_REG_PATH, "query", options, "Audio Dialogue"}).out,
              "REG_BINARY\t00\n");
    EXPECT_EQ(RunProgram({VELORIN_REG_PATH, "query", options, "Audio BackgroundSounds"}).out,
              "REG_BINARY\t01\n");
}
