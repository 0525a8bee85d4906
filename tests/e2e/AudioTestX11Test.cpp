// The built launcher's audio test on the real parts, on a virtual X screen: a CD image made by
// velorin-disc, read by our own CUE reader and played into a private PulseAudio server's null
// output, captured from its monitor through SDL; it passes on a private PipeWire too (its
// PulseAudio server, as desktops have it today). It passes and stores 1; with the output muted it
// shows error code 5 and Cancel stores 0; on an image of one data track it shows error code 3.
// Either way the autoplay verb is back afterwards, also when the desktop ends the launcher in the
// middle of the test.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/registry/fake/ScopedStore.h"
#include "tests/e2e/Installation.h"
#include "tests/e2e/SoundServer.h"
#include "tests/e2e/VirtualDisplay.h"
#include "tests/e2e/X11Screen.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"
#include "tests/support/TempDisc.h"

namespace fs = std::filesystem;
using platform::registry::Root;
using platform::registry::test::Bytes;
using platform::registry::test::ReadBack;
using testing_support::ChildProcess;
using testing_support::ScopedEnv;
using velorin::test::Box;
using velorin::test::ClickAt;
using velorin::test::ClickLeftOfTwoButtons;
using velorin::test::ClickRightButton;
using velorin::test::FindWindow;
using velorin::test::kRunLimit;

namespace {

constexpr const char* kOptions = "SOFTWARE\\Tessaly\\Velorin\\Options";
const auto kPlay = Bytes(std::string("play\0", 5));

class AudioTestOnRealParts : public ::testing::Test {
  protected:
    explicit AudioTestOnRealParts(
        velorin::test::SoundServer::Kind server = velorin::test::SoundServer::Kind::PulseAudio)
        : sound_(server) {}

    void SetUp() override {
        folder_ = store_.folder();
        install_ = velorin::test::StageLauncher(folder_);
        // Two seconds of track 1 make a two-second run: enough for a verdict.
        testing_support::RunProgram({VELORIN_DISC_PATH, Image().string(), "2", "1"});
        ASSERT_TRUE(display_.Ready()) << "Xvfb did not start";
        ASSERT_TRUE(sound_.Ready()) << "the sound server did not start";
    }

    fs::path Image() const { return folder_ / "disc.cue"; }

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

    // Cancels the error box and gives the stored verdict.
    std::optional<std::vector<std::byte>> Fail() {
        const auto failure = FindWindow("^Sound Capture Unsuccessful$");
        EXPECT_TRUE(failure) << "no error message";
        if (failure) {
            ClickRightButton(*failure);
        }
        return StoredVerdict();
    }

    // The launcher stores the verdict, then restores the verb, once the last box is answered;
    // the test ends there (quitting would roll the credits) and kills the launcher.
    std::optional<std::vector<std::byte>> StoredVerdict() {
        const auto deadline = std::chrono::steady_clock::now() + kRunLimit;
        auto verdict = ReadBack(Root::LocalMachine, kOptions, "Audio Capture");
        while ((!verdict || Verb() != kPlay) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            verdict = ReadBack(Root::LocalMachine, kOptions, "Audio Capture");
        }
        return verdict;
    }

    void PassAndStoreOne() {
        const auto launcher = StartAudioTest();
        const auto success = FindWindow("^Success!$");
        ASSERT_TRUE(success) << "no success message";
        ClickRightButton(*success);
        EXPECT_EQ(StoredVerdict(), Bytes(std::string(1, '\1')));
        EXPECT_EQ(Verb(), kPlay);
    }

    std::optional<std::vector<std::byte>> Verb() {
        return ReadBack(Root::ClassesRoot, "AudioCD\\shell", "");
    }

    platform::registry::ScopedStore store_;
    fs::path folder_;
    fs::path install_;
    velorin::test::VirtualDisplay display_{1024, 768};
    velorin::test::SoundServer sound_;
    ScopedEnv platform_{"QT_QPA_PLATFORM", "xcb"};
    ScopedEnv audio_{"VELORIN_AUDIO", "sdl"};
    ScopedEnv cd_{"VELORIN_CD", (fs::path(store_.folder()) / "disc.cue").c_str()};
    std::optional<Box> screen_;
};

class AudioTestOnPipeWire : public AudioTestOnRealParts {
  protected:
    AudioTestOnPipeWire() : AudioTestOnRealParts(velorin::test::SoundServer::Kind::PipeWire) {}
};

TEST_F(AudioTestOnRealParts, PassesAndStoresOne) {
    PassAndStoreOne();
}

TEST_F(AudioTestOnPipeWire, PassesAndStoresOne) {
    PassAndStoreOne();
}

TEST_F(AudioTestOnRealParts, AMutedOutputIsCodeFiveAndCancelStoresZero) {
    ASSERT_TRUE(sound_.MuteOutput(true));
    const auto launcher = StartAudioTest();
    EXPECT_EQ(Fail(), Bytes(std::string(1, '\0')));
    EXPECT_EQ(Verb(), kPlay);
}

TEST_F(AudioTestOnRealParts, AnImageOfOneDataTrackIsCodeThree) {
    const testing_support::TempDisc dataDisc({{2.0, true}});
    ScopedEnv cd("VELORIN_CD", dataDisc.image().c_str());
    const auto launcher = StartAudioTest();
    EXPECT_EQ(Fail(), Bytes(std::string(1, '\0')));
    EXPECT_EQ(Verb(), kPlay);
}

// The sound library's devices are open from the start, and with them its own signal handling;
// the launcher still ends at once on the signals a session ends it with. Ended in the middle of the
// audio test (a logout, a closed terminal), it first puts the blanked autoplay verb back, as Cancel
// would.
TEST_F(AudioTestOnRealParts, EndingSignalsEndTheLauncherAndTheAudioTestPutsTheVerbBackFirst) {
    constexpr auto kPromptly = std::chrono::seconds(10);

    auto idle = StartLauncher();
    idle->Kill(SIGINT);
    EXPECT_EQ(idle->Wait(kPromptly), std::optional<int>(128 + SIGINT));

    for (const int signal : {SIGTERM, SIGHUP}) {
        auto testing = StartLauncher();
        ASSERT_TRUE(ClickAudioTest());
        EXPECT_EQ(Verb(), Bytes(std::string(1, '\0'))) << "blank while the test runs";
        testing->Kill(signal);
        EXPECT_EQ(testing->Wait(kPromptly), std::optional<int>(128 + signal)) << signal;
        EXPECT_EQ(Verb(), kPlay) << signal;
    }
}

}  // namespace
