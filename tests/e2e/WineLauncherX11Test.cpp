// The Windows launcher under Wine, installed as its ZIP lays it out, driven like a user on the X
// screen Wine draws on, in one start: the splash, the launcher screen in the middle over the black
// backdrop, a hover text, an option turned off in the options panel and found in the registry, a
// first launch of the Velorin stand-in through "Analysis Complete", the About box, Quit and the
// credits, and the program's own exit status 0. It runs where the Windows tests run (the Windows
// build folder in VELORIN_WINDOWS_BUILD, with their Wine prefix and X display) and is skipped
// elsewhere.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/registry/fake/ScopedStore.h"
#include "tests/e2e/ScreenPictures.h"
#include "tests/e2e/X11Screen.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"

namespace fs = std::filesystem;
using testing_support::ChildProcess;
using testing_support::RunProgram;
using testing_support::ScopedEnv;
using velorin::test::Box;
using velorin::test::ClickAt;
using velorin::test::FindWindow;
using velorin::test::Pick;
using velorin::test::ShowsAt;
using velorin::test::WaitForScreen;
using velorin::test::WaitUntilAnswering;
using velorin::test::WindowsBitmap;

namespace {

// Wine draws the frame itself on a screen without a window manager, so the client area sits
// inside the window xdotool finds by an offset of its frame and caption.
constexpr int kMostFrame = 48;
constexpr int kFrameOffCentre = 12;

std::optional<Box> ClientArea(const QImage& screen, const Box& outer, const QImage& picture) {
    const QImage corner = picture.copy(0, 0, 24, 24);
    for (int dy = 0; dy < kMostFrame; ++dy) {
        for (int dx = 0; dx < kMostFrame; ++dx) {
            const Box client{outer.x + dx, outer.y + dy, picture.width(), picture.height()};
            if (ShowsAt(screen, client, 0, 0, corner)) {
                return client;
            }
        }
    }
    return std::nullopt;
}

bool AllBlack(const QImage& screen, int x, int y) {
    return screen.pixel(x, y) == qRgb(0, 0, 0);
}

// Where a picture of the given size shows in the middle of the screen, waiting for it to appear.
std::optional<Box> WaitInTheMiddle(const fs::path& shot, const QImage& picture) {
    const auto inTheMiddle = [&](const QImage& screen) -> std::optional<Box> {
        if (screen.isNull()) {
            return std::nullopt;
        }
        const Box middle{(screen.width() - picture.width() - kMostFrame) / 2,
                         (screen.height() - picture.height() - kMostFrame) / 2, 0, 0};
        return ClientArea(screen, middle, picture);
    };
    return inTheMiddle(
        WaitForScreen(shot, [&](const QImage& screen) { return inTheMiddle(screen).has_value(); }));
}

// Wine centres a message box's buttons under its text. A box without a title is told from the
// backdrop, whose title is empty too, by being the top one and smaller than the screen.
void ClickBoxButton(const std::string& title, int fromCentre) {
    const auto until = std::chrono::steady_clock::now() + velorin::test::kWindowWait;
    std::optional<Box> box = FindWindow(title, velorin::test::kWindowWait, Pick::Top);
    while (box && box->x == 0 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(velorin::test::kPollPeriod);
        box = FindWindow(title, velorin::test::kWindowWait, Pick::Top);
    }
    ASSERT_TRUE(box && box->x != 0) << "no box " << title;
    ClickAt(*box, box->width / 2 + fromCentre, box->height - 24);
}
constexpr int kOnlyButton = 0;
constexpr int kRightOfTwo = 45;
// The launcher's own item is the last of Wine's window menu, whose top-left is at the pointer.
constexpr int kLastMenuItem = 90;
// A point of the caption, above the client area: the window menu opens from there only.
constexpr int kCaptionAbove = 9;

// The path Wine's Z: drive gives a file of the host.
std::string WindowsPath(const fs::path& path) {
    std::string text = "Z:" + path.string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

class WineLauncher : public testing::Test {
  protected:
    void SetUp() override {
        const char* build = std::getenv("VELORIN_WINDOWS_BUILD");
        if (build == nullptr || std::getenv("WINEPREFIX") == nullptr ||
            std::getenv("DISPLAY") == nullptr ||
            !fs::exists(fs::path(build) / "tools/velorin-launcher/velorin-launcher.exe")) {
            GTEST_SKIP() << "no Windows build, Wine prefix and display to run it on";
        }
        // An installation made elsewhere (the setup program's), or the build installed here.
        if (const char* installed = std::getenv("VELORIN_WINDOWS_INSTALLATION")) {
            install_ = installed;
            return;
        }
        install_ = fs::path(folder_.folder()) / "install";
        RunProgram({VELORIN_CMAKE, "--install", build, "--prefix", install_.string()});
    }

    std::string Wine(const std::string& program) const { return (install_ / program).string(); }

    // The test's registry lives in the prefix the Windows tests share.
    void TearDown() override {
        if (!key_.empty()) {
            RunProgram({VELORIN_WINE64, "reg", "delete", "HKCU\\" + key_, "/f"});
        }
    }

    // The type and data velorin-reg prints for a value below HKEY_LOCAL_MACHINE\SOFTWARE\Tessaly.
    std::string Query(const std::string& key, const std::string& value) const {
        return RunProgram({VELORIN_WINE64, Wine("velorin-reg.exe"), "query",
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaly\\" + key, value})
            .out;
    }

    // Only for its folder: the Windows programs keep their settings in Wine's registry.
    platform::registry::ScopedStore folder_;
    fs::path install_;
    std::string key_;
};

}  // namespace

TEST_F(WineLauncher, SplashScreenHoverPanelLaunchAboutAndCreditsEndWithStatusZero) {
    key_ = "Software\\VelorinWineTest" + std::to_string(::getpid());
    ScopedEnv registry("VELORIN_REGISTRY", key_.c_str());
    ScopedEnv audio("VELORIN_AUDIO", "loopback");
    ScopedEnv cpu("VELORIN_CPU_SSE", "0");
    const fs::path folder(folder_.folder());
    RunProgram({VELORIN_DISC_PATH, (folder / "disc.cue").string(), "2"});
    const std::string cd = WindowsPath(folder / "disc.cue");
    ScopedEnv disc("VELORIN_CD", cd.c_str());
    std::ofstream(folder / "script.txt")
        << "Velorin nothing\nVelorin export-avi " << WindowsPath(folder / "Salsa.dnc") << "\n";
    const std::string script = WindowsPath(folder / "script.txt");
    ScopedEnv standIns("VELORIN_STANDIN_SCRIPT", script.c_str());
    ChildProcess launcher({VELORIN_WINE64, Wine("velorin-launcher.exe")},
                          ChildProcess::Output::Shared);
    ASSERT_TRUE(launcher.started());
    EXPECT_TRUE(WaitInTheMiddle(folder / "splash.png", WindowsBitmap("bitmap-146.bmp")))
        << "no splash in the middle of the screen";
    const std::optional<Box> outer = FindWindow("^Velorin Launcher$");
    ASSERT_TRUE(outer) << "no launcher screen appeared";

    const fs::path& shots = folder;
    const QImage main = WindowsBitmap("bitmap-131.bmp");
    const auto drawn = [&](const QImage& shot) {
        const std::optional<Box> area = ClientArea(shot, *outer, main);
        return area && ShowsAt(shot, *area, 0, 0, main.copy(0, 0, 400, 210));  // all but the band
    };
    QImage screen = WaitForScreen(shots / "screen.png", drawn);
    const std::optional<Box> client = ClientArea(screen, *outer, main);
    ASSERT_TRUE(client) << "the launcher screen's picture is not on the screen";
    EXPECT_EQ(client->width, 400);
    // The window with its frame is centred, so the client area sits half a caption low.
    EXPECT_LE(std::abs(client->x + 200 - screen.width() / 2), kFrameOffCentre);
    EXPECT_LE(std::abs(client->y + 125 - screen.height() / 2), kFrameOffCentre);
    EXPECT_TRUE(AllBlack(screen, 5, 5) && AllBlack(screen, screen.width() - 5, screen.height() - 5))
        << "the backdrop does not cover the screen in black";

    const QImage withoutHover = screen.copy(client->x, client->y + 210, 260, 40);
    const QImage panel = WindowsBitmap("bitmap-145.bmp").copy(17, 180, 158, 24);
    const auto hoverText = [&](const QImage& shot) {
        return shot.copy(client->x, client->y + 210, 260, 40) != withoutHover;
    };
    ClickAt(client->x + 300, client->y + 100);  // Set-Up Options, whose hover text shows
    screen = WaitForScreen(shots / "panel.png", [&](const QImage& shot) {
        return hoverText(shot) && ShowsAt(shot, *client, 17, 180, panel);
    });
    EXPECT_TRUE(hoverText(screen)) << "no hover text under the pointer's command";
    EXPECT_TRUE(ShowsAt(screen, *client, 17, 180, panel))
        << "the options panel is not on the screen";

    ClickAt(client->x + 20, client->y + 77);  // Character Dialogue
    EXPECT_TRUE(velorin::test::WaitUntilShown(shots / "option.png", *client, 16, 72,
                                              WindowsBitmap("bitmap-133.bmp")))
        << "Character Dialogue does not show as off";
    EXPECT_EQ(Query("Velorin\\Options", "Audio Dialogue").substr(0, 13), "REG_BINARY\t00");

    ClickAt(client->x + 330, client->y + 62);  // Launch Velorin: a first run analyses
    ClickBoxButton("^$", kOnlyButton);
    ClickBoxButton("^Analysis Complete$", kOnlyButton);
    ClickBoxButton("^Create AVI Movie from Dance$", kRightOfTwo);  // Cancel: back to the screen
    EXPECT_EQ(Query("Velorin", "FPS").substr(0, 6), "REG_SZ")
        << "the stand-in's analysis stored no speed";

    ASSERT_TRUE(WaitUntilAnswering(shots / "screen.png", *client)) << "not back on the screen";
    const int caption = client->y - kCaptionAbove;
    ClickAt(client->x + 200, caption, velorin::test::MouseButton::Right);  // window menu
    // The menu opens below the caption, over the top of the picture.
    const QImage underMenu = main.copy(201, 21, 40, 40);
    EXPECT_FALSE(ShowsAt(WaitForScreen(shots / "menu.png",
                                       [&](const QImage& shot) {
                                           return !ShowsAt(shot, *client, 201, 21, underMenu);
                                       }),
                         *client, 201, 21, underMenu))
        << "no window menu";
    ClickAt(client->x + 200 + 60, caption + kLastMenuItem);  // About Launcher...
    const std::optional<Box> about = FindWindow("^About Launcher$");
    ASSERT_TRUE(about) << "no About box";
    ClickAt(*about, about->width - 39, 43);  // OK

    ASSERT_TRUE(WaitUntilAnswering(shots / "screen.png", *client)) << "the About box stays";
    ClickAt(client->x + 300, client->y + 225);  // Quit
    const std::optional<Box> credits =
        WaitInTheMiddle(shots / "credits.png", WindowsBitmap("bitmap-148.bmp"));
    ASSERT_TRUE(credits) << "the credits are not in the middle of the screen";
    // A click ends the credits once their list has run a moment; earlier ones are ignored.
    std::optional<int> status;
    const auto until = std::chrono::steady_clock::now() + velorin::test::kRunLimit;
    while (!status && std::chrono::steady_clock::now() < until) {
        ClickAt(*credits, 320, 240);
        status = launcher.Wait(std::chrono::seconds(1));
    }
    EXPECT_EQ(status, std::optional<int>(0));
}
