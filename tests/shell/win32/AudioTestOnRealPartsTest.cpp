// The launcher's audio-test command on the real parts of Windows: the launcher's windows on the
// system's own window backend, the registry, a CD image (our drum tracks) played through the
// DirectSound output into a private sound server, and captured from its monitor through
// DirectSoundCapture. Only the message boxes are answered by a script.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/dsound/DirectSound.h"
#include "platform/mci/Mci.h"
#include "platform/registry/fake/ScopedStore.h"
#include "platform/ui/fake/ScriptedMessageBoxes.h"
#include "platform/ui/win32/Win32Backends.h"
#include "resources/Strings.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherDlg.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/TempDisc.h"
#include "tests/support/win32/SoundServerOutput.h"

namespace {

namespace ui = platform::ui;
using platform::registry::Root;
using platform::registry::ValueType;
using platform::registry::test::Bytes;
using platform::registry::test::ReadBack;
using testing_support::TempDisc;

constexpr const char* kShell = "AudioCD\\shell";
constexpr const char* kOptions = "SOFTWARE\\Tessaly\\Velorin\\Options";
const std::string kPlay = std::string("play\0", 5);

class AudioTestOnRealParts : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::dsound::SetAudioSystem(card_.get());
        ASSERT_TRUE(platform::registry::test::Write(Root::ClassesRoot, kShell, "",
                                                    ValueType::String, kPlay));
        ASSERT_TRUE(backdrop_.Create());
        g_pBackdrop = &backdrop_;
        ASSERT_TRUE(launcher_.Create());
        launcher_.ShowWindow(ui::ShowCommand::Show);
    }
    void TearDown() override {
        launcher_.DestroyWindow();
        g_pBackdrop = nullptr;
        backdrop_.DestroyWindow();
        platform::mci::SetCdLocation(std::nullopt);
        platform::dsound::SetAudioSystem(nullptr);
    }

    // Runs the command with the disc in the drive; the boxes get the answers given.
    void RunWith(const TempDisc& disc, std::initializer_list<ui::Answer> answers) {
        platform::mci::SetCdLocation(disc.image().string());
        boxes_.Answer(answers);
        asked_ = boxes_.shown().size();
        launcher_.RunAudioTest();
    }
    std::optional<std::vector<std::byte>> AudioCapture() {
        return ReadBack(Root::LocalMachine, kOptions, "Audio Capture");
    }
    std::optional<std::vector<std::byte>> Verb() { return ReadBack(Root::ClassesRoot, kShell, ""); }
    // The box after the prompt of the last run: its verdict.
    std::optional<ui::MessageRequest> Verdict() const {
        const auto& shown = boxes_.shown();
        return shown.size() == asked_ + 2 ? std::optional(shown[asked_ + 1]) : std::nullopt;
    }
    std::string VerdictText() const {
        const auto verdict = Verdict();
        return verdict ? verdict->text : "(no verdict box)";
    }

    platform::registry::ScopedStore store_;
    const std::unique_ptr<platform::dsound::AudioSystem> card_ =
        platform::dsound::CreateSystemAudio();
    ui::win32::Win32Backends windows_;
    ui::fake::ScriptedMessageBoxes boxes_;  // after the system's boxes, so it replaces them
    CBackdropDlg backdrop_;
    CLauncherDlg launcher_;
    std::size_t asked_ = 0;
};

TEST_F(AudioTestOnRealParts, MusicHeardThroughTheServerPassesAndStoresOne) {
    const TempDisc disc{2.0};
    RunWith(disc, {ui::Answer::Ok, ui::Answer::Ok});
    const auto verdict = Verdict();
    ASSERT_TRUE(verdict);
    EXPECT_EQ(verdict->text, resources::LoadResourceString(139));
    EXPECT_EQ(verdict->caption, "Success!");
    EXPECT_EQ(AudioCapture(), Bytes(std::string(1, '\1')));
    EXPECT_EQ(Verb(), Bytes(kPlay));
    EXPECT_TRUE(backdrop_.IsVisible());
    EXPECT_TRUE(launcher_.IsVisible());
}

// Each failure is one box of its code's text; Cancel ends the test, stores 0 and brings the
// autoplay verb back.
TEST_F(AudioTestOnRealParts, AMutedOutputIsCodeFiveAndADataDiscTheCdErrorBothStoringZero) {
    const TempDisc music{2.0};
    ASSERT_TRUE(testing_support::MuteServerOutput(true));
    RunWith(music, {ui::Answer::Ok, ui::Answer::Cancel});
    EXPECT_TRUE(testing_support::MuteServerOutput(false));
    EXPECT_EQ(VerdictText(), resources::LoadResourceString(153)) << "code 5: nothing heard";
    EXPECT_EQ(AudioCapture(), Bytes(std::string(1, '\0')));
    EXPECT_EQ(Verb(), Bytes(kPlay));

    const TempDisc data({{2.0, true}});
    platform::registry::test::Write(Root::LocalMachine, kOptions, "Audio Capture",
                                    ValueType::Binary, std::string(1, '\1'));
    RunWith(data, {ui::Answer::Ok, ui::Answer::Cancel});
    EXPECT_EQ(VerdictText(), resources::LoadResourceString(151)) << "code 3: no audio CD";
    EXPECT_EQ(AudioCapture(), Bytes(std::string(1, '\0')));
    EXPECT_EQ(Verb(), Bytes(kPlay));
}

}  // namespace
