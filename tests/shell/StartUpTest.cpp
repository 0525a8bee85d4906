#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/debug/DebugOutput.h"
#include "platform/registry/fake/ScopedStore.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "platform/ui/fake/FakeWindows.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherApp.h"
#include "tests/support/Helpers.h"

namespace {

namespace ui = platform::ui;
using ui::fake::FakeHost;
using ui::fake::FakeWindows;

// A modal window as it came up: its title and client size.
using Window = std::tuple<std::string, int, int>;

struct Observed {
    std::vector<Window> windows;  // in the order they came up
    bool backdropAlwaysCovered = true;
};

// The whole start-up, each modal window ended with Escape as soon as it runs.
Observed StartUpAndEndEachWindow(FakeWindows& windows) {
    platform::sound::fake::RecordedSounds sounds;
    Observed seen;
    windows.script = [&](FakeHost& host) {
        const ui::Rect client = host.ClientRect();
        seen.windows.emplace_back(host.style().caption, client.Width(), client.Height());
        const ui::Rect screen{0, 0, windows.screenWidth, windows.screenHeight};
        seen.backdropAlwaysCovered = seen.backdropAlwaysCovered && g_pBackdrop != nullptr &&
                                     g_pBackdrop->IsVisible() &&
                                     g_pBackdrop->GetClientRect() == screen;
        host.PressEscape();
    };
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(seen.windows,
              (std::vector<Window>{{"", 400, 250}, {"Velorin Launcher", 400, 250}, {"", 640, 480}}))
        << "the splash, the launcher screen, then the credits";
    return seen;
}

}  // namespace

TEST(StartUp, SplashLauncherAndCreditsRunInTurnOverTheBackdropAndNoWindowIsLeft) {
    platform::registry::ScopedStore store;
    FakeWindows windows;
    const Observed seen = StartUpAndEndEachWindow(windows);
    EXPECT_TRUE(seen.backdropAlwaysCovered);
    EXPECT_EQ(g_pBackdrop, nullptr);
    EXPECT_TRUE(windows.hosts().empty()) << "every window is gone";
}

TEST(StartUp, ABrokenStoreIsNamedInOneDebugLineAndTheSequenceStillRuns) {
    platform::registry::ScopedStore store;
    testing_support::WriteFile(store.path(), "not a store");
    platform::debug::CapturedDebugOutput debug;
    FakeWindows windows;
    StartUpAndEndEachWindow(windows);
    const std::string& text = debug.text();
    EXPECT_NE(text.find(store.path() + ": not a registry store"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}
