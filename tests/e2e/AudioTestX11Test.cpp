// The built launcher's audio test on a virtual X screen, with a virtual disc of drum tracks heard
// through the loopback sound card: it passes and stores 1; muted, it shows error code 5, and
// Cancel stores 0. Either way the autoplay verb is back afterwards, also when the desktop ends
// the launcher in the middle of the test.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "platform/registry/fake/ScopedStore.h"
#include "tests/e2e/Installation.h"
#include "tests/e2e/VirtualDisplay.h"
#include "tests/e2e/X11Screen.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/ChildProcess.h"

namespace fs = std::filesystem;
using platform::registry::Root;
using platform::registry::test::Bytes;
using platform::registry::test::ReadBack;
using platform::registry::test::ScopedEnv;
using testing_support::ChildProcess;
using velorin::test::Box;
using velorin::test::ClickAt;
using velorin::test::ClickLeftOfTwoButtons;
using velorin::test::ClickRightButton;
using velorin::test::FindWindow;

namespace {

constexpr auto kRunLimit = std::chrono::seconds(120);
constexpr const char* kOptions = "SOFTWARE\\Tessaly\\Velorin\\Options";

class AudioTestOnX11 : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = store_.folder();
        install_ = velorin::test::StageLauncher(folder_);
        testing_support::RunProgram({VELORIN_DISC_PATH, (folder_ / "disc").string(), "8", "3"});
        ASSERT_TRUE(display_.Ready()) << "Xvfb did not start";
    }

    // Starts the launcher and waits for its screen.
    std::unique_ptr<ChildProcess> StartLauncher() {
        auto launcher = std::make_unique<ChildProcess>(
            std::vector<std::string>{(install_ / "velorin-launcher").string()},
            ChildProcess::Output::Shared);
        EXPECT_TRUE(launcher->started());
        screen_ = FindWindow("^Velorin Launcher$");
        EXPECT_TRUE(screen_) << "no launcher screen";
        return launcher;
    }

    // Clicks the audio-test button and waits for the prompt.
    std::optional<Box> ClickAudioTest() {
        if (!screen_) {
            return std::nullopt;
        }
        ClickAt(*screen_, 300, 140);
        const auto prompt = FindWindow("^Audio Test$");
        EXPECT_TRUE(prompt) << "no prompt";
        return prompt;
    }

    // Starts the launcher, clicks the audio-test button and agrees to the prompt.
    std::unique_ptr<ChildProcess> StartAudioTest() {
        auto launcher = StartLauncher();
        if (const auto prompt = ClickAudioTest()) {
            ClickLeftOfTwoButtons(*prompt);
        }
        return launcher;
    }

    void QuitAndWait(ChildProcess& launcher) {
        ASSERT_TRUE(screen_);
        ClickAt(*screen_, 300, 225);
        EXPECT_EQ(launcher.Wait(kRunLimit), std::optional<int>(0));
    }

    std::optional<std::vector<std::byte>> AudioCapture() {
        return ReadBack(Root::LocalMachine, kOptions, "Audio Capture");
    }
    std::optional<std::vector<std::byte>> Verb() {
        return ReadBack(Root::ClassesRoot, "AudioCD\\shell", "");
    }

    platform::registry::ScopedStore store_;
    fs::path folder_;
    fs::path install_;
    velorin::test::VirtualDisplay display_{1024, 768};
    ScopedEnv platform_{"QT_QPA_PLATFORM", "xcb"};
    ScopedEnv audio_{"VELORIN_AUDIO", "loopback"};
    ScopedEnv speed_{"VELORIN_LOOPBACK_SPEED", "4"};
    ScopedEnv cd_{"VELORIN_CD", (fs::path(store_.folder()) / "disc").c_str()};
    std::optional<Box> screen_;
};

TEST_F(AudioTestOnX11, PassesOnTheVirtualDiscAndStoresOne) {
    const auto launcher = StartAudioTest();
    const auto success = FindWindow("^Success!$");
    ASSERT_TRUE(success) << "no success message";
    ClickRightButton(*success);
    QuitAndWait(*launcher);
    EXPECT_EQ(AudioCapture(), Bytes(std::string(1, '\1')));
    EXPECT_EQ(Verb(), Bytes(std::string("play", 5)));
}

TEST_F(AudioTestOnX11, MutedShowsCodeFiveAndCancelStoresZero) {
    ScopedEnv muted("VELORIN_LOOPBACK_GAIN", "0");
    const auto launcher = StartAudioTest();
    const auto failure = FindWindow("^Sound Capture Unsuccessful$");
    ASSERT_TRUE(failure) << "no error message";
    ClickRightButton(*failure);  // Cancel
    QuitAndWait(*launcher);
    EXPECT_EQ(AudioCapture(), Bytes(std::string(1, '\0')));
    EXPECT_EQ(Verb(), Bytes(std::string("play", 5)));
}

}  // namespace

namespace {

// The sound library's own devices (its disk driver here) are open from the start, and with them
// its own signal handling; the launcher still ends at once on SIGINT and SIGTERM. Ended in the
// middle of the audio test, it first puts the blanked autoplay verb back, as Cancel would.
TEST_F(AudioTestOnX11, SigintAndSigtermEndTheLauncherAndTheAudioTestPutsTheVerbBackFirst) {
    ScopedEnv sound("VELORIN_AUDIO", "sdl");
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv played("SDL_DISKAUDIOFILE", (folder_ / "played.raw").c_str());
    constexpr auto kPromptly = std::chrono::seconds(10);

    auto idle = StartLauncher();
    idle->Kill(SIGINT);
    EXPECT_EQ(idle->Wait(kPromptly), std::optional<int>(128 + SIGINT));

    auto testing = StartLauncher();
    ASSERT_TRUE(ClickAudioTest());
    EXPECT_EQ(Verb(), Bytes(std::string(1, '\0'))) << "blank while the test runs";
    testing->Kill(SIGTERM);
    EXPECT_EQ(testing->Wait(kPromptly), std::optional<int>(128 + SIGTERM));
    EXPECT_EQ(Verb(), Bytes(std::string("play", 5)));
}

}  // namespace
