// The built launcher with the stand-ins on a virtual X screen: a launch whose dance goes to the
// AVI maker, a launch whose mix goes to the mixing tool and back to Velorin, and a last run of
// Velorin that exports nothing and so ends the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/registry/fake/ScopedStore.h"
#include "tests/e2e/Installation.h"
#include "tests/e2e/ScreenPictures.h"
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

// Once the launcher screen answers, that is, no longer waits for a program it started.
void ClickLaunch(const fs::path& shot) {
    std::optional<Box> screen = FindWindow("^Velorin Launcher$");
    ASSERT_TRUE(screen) << "no launcher screen";
    ASSERT_TRUE(velorin::test::WaitUntilAnswering(shot, *screen)) << "the screen does not answer";
    ClickAt(*screen, 330, 62);
}

// The launcher with the stand-ins for the programs it hands off to.
fs::path Stage(const fs::path& folder) {
    fs::path install = velorin::test::StageLauncher(folder);
    for (const char* program : {"Velorin", "exportToWeb", "TsAVIMaker"}) {
        fs::copy_file(fs::path(VELORIN_STANDIN_DIR) / program, install / program);
    }
    fs::create_directories(install / "Blendora");
    fs::copy_file(fs::path(VELORIN_STANDIN_DIR) / "Blendora" / "Blendora Studio VL",
                  install / "Blendora" / "Blendora Studio VL");
    RunProgram(
        {std::string(VELORIN_STANDIN_DIR) + "/blendora-setup", (install / "Blendora").string()});
    return install;
}

std::vector<std::string> LogLines(const fs::path& log) {
    std::vector<std::string> lines;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TEST(LaunchOnX11, HandOffsToTheStandInsAndANothingExportedRunEndsTheLauncher) {
    platform::registry::ScopedStore store;
    const fs::path folder = store.folder();
    platform::registry::test::Write(platform::registry::Root::LocalMachine,
                                    "SOFTWARE\\Tessaly\\Velorin", "FPS",
                                    platform::registry::ValueType::String, "30 fps");
    const fs::path install = Stage(folder);
    RunProgram({VELORIN_DISC_PATH, (folder / "disc.cue").string(), "2"});
    const std::string dance = (folder / "Salsa.dnc").string();
    const std::string mix = (folder / "my mix.mix").string();
    std::ofstream(folder / "script.txt")
        << "Velorin export-avi " << dance << "\nVelorin export-mix " << mix
        << "\nBlendora export-wav /w/take.wav\nVelorin nothing\n";

    velorin::test::VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.Ready()) << "Xvfb did not start";
    ScopedEnv platform("QT_QPA_PLATFORM", "xcb");
    ScopedEnv audio("VELORIN_AUDIO", "loopback");
    ScopedEnv cd("VELORIN_CD", (folder / "disc.cue").c_str());
    ScopedEnv cpu("VELORIN_CPU_SSE", "0");
    ScopedEnv log("VELORIN_STANDIN_LOG", (folder / "starts.log").c_str());
    ScopedEnv script("VELORIN_STANDIN_SCRIPT", (folder / "script.txt").c_str());

    ChildProcess launcher({(install / "velorin-launcher").string()}, ChildProcess::Output::Shared);
    ASSERT_TRUE(launcher.started());
    ClickLaunch(folder / "screen.png");
    std::optional<Box> question = FindWindow("^Create AVI Movie from Dance$");
    ASSERT_TRUE(question) << "no AVI question";
    velorin::test::ClickLeftOfTwoButtons(*question);  // OK
    ClickLaunch(folder / "screen.png");
    EXPECT_EQ(launcher.Wait(kRunLimit), std::optional<int>(0));

    const std::string at = "\t" + install.string();
    EXPECT_EQ(LogLines(folder / "starts.log"),
              (std::vector<std::string>{
                  "Velorin" + at, "TsAVIMaker" + at + "\t" + dance, "Velorin" + at,
                  "Blendora Studio VL" + at + "/Blendora\t" + mix, "Velorin" + at}));
    EXPECT_TRUE(fs::exists(dance + ".avi"));
}
