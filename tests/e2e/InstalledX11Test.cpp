// The launcher as cmake --install lays it out under a prefix, started from the prefix's bin/ as a
// desktop menu starts it: its window carries the desktop entry's window class, a store made before
// the mixing tool was installed learns its folder, the audio test works without a CD drive,
// and nothing installed changes while it runs. The desktop files and manual pages pass their
// checkers.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/registry/fake/ScopedStore.h"
#include "tests/e2e/ScreenPictures.h"
#include "tests/e2e/SoundServer.h"
#include "tests/e2e/VirtualDisplay.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"

namespace fs = std::filesystem;
using testing_support::ChildProcess;
using testing_support::RunProgram;
using testing_support::ScopedEnv;
using velorin::test::Box;
using velorin::test::ClickAt;
using velorin::test::FindWindow;
using velorin::test::kRunLimit;

namespace {

constexpr const char* kDesktopEntry = "share/applications/example.velorin.Launcher.desktop";

// Every installed file with its size and modification time.
using Snapshot = std::map<fs::path, std::pair<std::uintmax_t, fs::file_time_type>>;

Snapshot TakeSnapshot(const fs::path& root) {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[entry.path()] = {entry.file_size(), entry.last_write_time()};
        }
    }
    return files;
}

std::string DesktopEntryValue(const fs::path& file, const std::string& key) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(key + "=")) {
            return line.substr(key.size() + 1);
        }
    }
    return {};
}

bool HasCdDrive() {
    bool drive = fs::exists("/dev/cdrom");
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/dev", error)) {
        drive = drive || entry.path().filename().string().starts_with("sr");
    }
    return drive;
}

class Installed : public ::testing::Test {
  protected:
    // One installation for the whole suite: installing copies every program.
    static void SetUpTestSuite() {
        std::string folder = (fs::temp_directory_path() / "velorin-install-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) {
            return;
        }
        folder_ = folder;
        prefix_ = folder_ / "usr";
        const auto install =
            RunProgram({VELORIN_CMAKE, "--install", VELORIN_BUILD_DIR, "--prefix", prefix_});
        installed_ = install.status == 0;
        if (!installed_) {
            std::fprintf(stderr, "%s%s", install.out.c_str(), install.err.c_str());
        }
    }
    static void TearDownTestSuite() {
        std::error_code error;
        fs::remove_all(folder_, error);
    }

    void SetUp() override { ASSERT_TRUE(installed_) << "cmake --install failed"; }

    // The launcher as the desktop entry starts it: from the installed bin folder.
    static std::vector<std::string> InstalledLauncher() {
        return {(prefix_ / "bin/velorin-launcher").string()};
    }

    // The launcher screen once it answers the mouse.
    static std::optional<Box> AnsweringScreen(const fs::path& shot) {
        std::optional<Box> screen = FindWindow("^Velorin Launcher$");
        if (screen && !velorin::test::WaitUntilAnswering(shot, *screen)) {
            return std::nullopt;
        }
        return screen;
    }

    static inline fs::path folder_;
    static inline fs::path prefix_;
    static inline bool installed_ = false;
};

TEST_F(Installed, DesktopEntryMetadataAndManualPagesPassTheirCheckers) {
    const auto entry = RunProgram({"desktop-file-validate", (prefix_ / kDesktopEntry).string()});
    EXPECT_EQ(entry.status, 0) << entry.out << entry.err;
    EXPECT_EQ(entry.out, "") << "hints or warnings";
    const fs::path metainfo = prefix_ / "share/metainfo/example.velorin.Launcher.metainfo.xml";
    const auto appstream = RunProgram({"appstreamcli", "validate", "--no-net", metainfo.string()});
    EXPECT_EQ(appstream.status, 0) << appstream.out << appstream.err;
    const std::string icon = DesktopEntryValue(prefix_ / kDesktopEntry, "Icon") + ".png";
    EXPECT_TRUE(fs::exists(prefix_ / "share/icons/hicolor/48x48/apps" / icon))
        << "the menu finds no icon of the entry's name";
    for (const char* page : {"velorin-launcher", "velorin-reg", "velorin-beats", "velorin-disc"}) {
        EXPECT_TRUE(fs::exists(prefix_ / "bin" / page)) << page;
        const fs::path file = prefix_ / "share/man/man1" / (std::string(page) + ".1");
        const auto man = RunProgram({"man", "--warnings", "-l", file.string()});
        EXPECT_EQ(man.status, 0) << page;
        EXPECT_EQ(man.err, "") << page;
    }
}

TEST_F(Installed, WithoutADisplayItSaysSoAndEndsWithStatusOne) {
    ScopedEnv display("DISPLAY", nullptr);
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnv platform("QT_QPA_PLATFORM", nullptr);
    const auto run = RunProgram(InstalledLauncher());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velorin-launcher: no display (DISPLAY and WAYLAND_DISPLAY are empty)\n");
}

TEST_F(
    Installed,
    StartedFromBinItOpensTheMixingToolInstalledAfterTheStoresFirstUseAndChangesNothingInstalled) {
    platform::registry::ScopedStore store;
    const fs::path folder = store.folder();
    std::ofstream(folder / "script.txt") << "Blendora nothing\n";
    velorin::test::VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.Ready()) << "Xvfb did not start";
    ScopedEnv qtPlatform("QT_QPA_PLATFORM", "xcb");
    // The store's first use comes before the demonstration package's defaults are installed.
    ASSERT_TRUE(
        platform::registry::test::KeyExists(platform::registry::Root::LocalMachine, "SOFTWARE"));
    ScopedEnv dataDirs("XDG_DATA_DIRS", (prefix_ / "share").c_str());
    ScopedEnv log("VELORIN_STANDIN_LOG", (folder / "starts.log").c_str());
    ScopedEnv script("VELORIN_STANDIN_SCRIPT", (folder / "script.txt").c_str());
    ScopedEnv audio("VELORIN_AUDIO", "loopback");
    const Snapshot before = TakeSnapshot(prefix_);

    ChildProcess launcher(InstalledLauncher(), ChildProcess::Output::Shared);
    ASSERT_TRUE(launcher.started());
    const std::optional<Box> screen = AnsweringScreen(folder / "screen.png");
    ASSERT_TRUE(screen) << "no launcher screen";
    EXPECT_EQ(velorin::test::WindowClass("^Velorin Launcher$"),
              DesktopEntryValue(prefix_ / kDesktopEntry, "StartupWMClass"));
    ClickAt(*screen, 330, 185);  // Mixing Room
    ASSERT_TRUE(velorin::test::WaitUntilAnswering(folder / "screen.png", *screen))
        << "the launcher screen did not come back from the mixing tool";
    ClickAt(*screen, 300, 225);  // Quit
    EXPECT_EQ(launcher.Wait(kRunLimit), std::optional<int>(0));

    std::ifstream starts(folder / "starts.log");
    std::string line;
    std::getline(starts, line);
    EXPECT_EQ(line, "Blendora Studio VL\t" + (prefix_ / "lib/velorin/Blendora").string());
    EXPECT_TRUE(TakeSnapshot(prefix_) == before) << "an installed file changed";
}

// The starter lends the disc but never a sound card: the test records from the machine's default
// source, here a private sound server whose source hears its output, and with no sound card at
// all it fails as on a machine without one.
TEST_F(Installed, WithoutACdDriveTheAudioTestPlaysTheDemonstrationDiscToTheRealRecordingSource) {
    if (HasCdDrive()) {
        GTEST_SKIP() << "this machine has a CD drive, which the launcher uses";
    }
    platform::registry::ScopedStore store;
    velorin::test::VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.Ready()) << "Xvfb did not start";
    ScopedEnv qtPlatform("QT_QPA_PLATFORM", "xcb");
    ScopedEnv cd("VELORIN_CD", nullptr);
    ScopedEnv audio("VELORIN_AUDIO", nullptr);
    const auto audioTest = [&](const char* verdictTitle) {
        ChildProcess launcher(InstalledLauncher(), ChildProcess::Output::Shared);
        ASSERT_TRUE(launcher.started());
        const std::optional<Box> screen = AnsweringScreen(fs::path(store.folder()) / "screen.png");
        ASSERT_TRUE(screen) << "no launcher screen";
        ClickAt(*screen, 300, 140);  // Audio Test
        const std::optional<Box> prompt = FindWindow("^Audio Test$");
        ASSERT_TRUE(prompt) << "no prompt";
        velorin::test::ClickLeftOfTwoButtons(*prompt);
        const std::optional<Box> verdict = FindWindow(verdictTitle);
        EXPECT_TRUE(verdict) << "no " << verdictTitle;
        launcher.Kill(SIGTERM);
    };
    {
        velorin::test::SoundServer sound;
        ASSERT_TRUE(sound.Ready()) << "the sound server did not start";
        audioTest("^Success!$");
    }
    ScopedEnv driver("SDL_AUDIODRIVER", "pulseaudio");
    ScopedEnv server("PULSE_SERVER", (fs::path(store.folder()) / "no-server").c_str());
    audioTest("^Sound Capture Unsuccessful$");
}

}  // namespace
