// The built launcher on a virtual X screen, driven like a user: open the options panel, turn an
// option off, look at the screen, quit; the option must be in the store and the program must end
// by itself with status 0.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/registry/fake/ScopedStore.h"
#include "settings/Settings.h"
#include "tests/e2e/Installation.h"
#include "tests/e2e/ScreenPictures.h"
#include "tests/e2e/VirtualDisplay.h"
#include "tests/e2e/X11Screen.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"

namespace fs = std::filesystem;
using testing_support::ChildProcess;
using testing_support::RunProgram;
using velorin::test::Box;
using velorin::test::ClickAt;
using velorin::test::FindWindow;
using velorin::test::kRunLimit;
using velorin::test::Picture;
using velorin::test::ShowsAt;
using velorin::test::WaitForScreen;

TEST(LauncherOnX11, PanelOptionIsStoredShownAndQuitEndsTheProgramCleanly) {
    platform::registry::ScopedStore store;
    SetAudioDialogue(1);
    SetAudioBackgroundSounds(1);
    velorin::test::VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.Ready()) << "Xvfb did not start";
    testing_support::ScopedEnv platform("QT_QPA_PLATFORM", "xcb");
    testing_support::ScopedEnv audio("VELORIN_AUDIO", "loopback");
    const fs::path install = velorin::test::StageLauncher(store.folder());

    ChildProcess launcher({(install / "velorin-launcher").string()}, ChildProcess::Output::Shared);
    ASSERT_TRUE(launcher.started());
    const std::optional<Box> corner = FindWindow("^Velorin Launcher$");
    ASSERT_TRUE(corner) << "no launcher screen appeared";

    ClickAt(*corner, 300, 100);  // Set-Up Options
    ClickAt(*corner, 20, 77);    // Character Dialogue
    const QImage screen = WaitForScreen(store.folder() + "/screen.png", [&](const QImage& shot) {
        return ShowsAt(shot, *corner, 16, 72, Picture("bitmap-133.png"));
    });
    ASSERT_FALSE(screen.isNull());
    EXPECT_TRUE(ShowsAt(screen, *corner, 16, 72, Picture("bitmap-133.png")))
        << "Character Dialogue does not show as off";
    EXPECT_TRUE(ShowsAt(screen, *corner, 17, 180, Picture("bitmap-145.png").copy(17, 180, 158, 24)))
        << "the options panel is not on the screen";
    EXPECT_TRUE(ShowsAt(screen, *corner, 16, 85, Picture("bitmap-134.png")))
        << "Background Sounds does not show as on";

    ClickAt(*corner, 300, 225);  // Quit
    EXPECT_EQ(launcher.Wait(kRunLimit), std::optional<int>(0));
    const std::string options = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaly\\Velorin\\Options";
    EXPECT_EQ(RunProgram({VELORIN_REG_PATH, "query", options, "Audio Dialogue"}).out,
              "REG_BINARY\t00\n");
    EXPECT_EQ(RunProgram({VELORIN_REG_PATH, "query", options, "Audio BackgroundSounds"}).out,
              "REG_BINARY\t01\n");
}
