#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mci/Mci.h"
#include "resources/Strings.h"
#include "shell/BackdropDlg.h"
#include "tests/audiotest/AudioTestRig.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/shell/LauncherFixture.h"
#include "tests/support/TempDisc.h"

namespace {

namespace ui = platform::ui;
using platform::registry::Root;
using platform::registry::test::Bytes;
using platform::registry::test::ReadBack;

constexpr const char* kShell = "AudioCD\\shell";
constexpr const char* kOptions = "SOFTWARE\\Tessaly\\Velorin\\Options";

std::string Verb() {
    const auto value = ReadBack(Root::ClassesRoot, kShell, "");
    return value.has_value() ? platform::registry::test::Text(*value) : "(absent)";
}

// Answers like the scripted boxes and notes the autoplay verb while each box is up.
class VerbWatchingBoxes : public ui::fake::ScriptedMessageBoxes {
  public:
    ui::Answer Show(ui::Window* owner, const ui::MessageRequest& request) override {
        verbs.push_back(Verb());
        return ScriptedMessageBoxes::Show(owner, request);
    }
    std::vector<std::string> verbs;
};

class AudioTestCommand : public velorin::test::LauncherFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(backdrop_.Create());
        g_pBackdrop = &backdrop_;
        platform::mci::SetCdLocation(disc_.image().string());
        Open();
    }
    void TearDown() override {
        LauncherFixture::TearDown();
        g_pBackdrop = nullptr;
        backdrop_.DestroyWindow();
        platform::mci::SetCdLocation(std::nullopt);
    }
    void ClickAudioTest() { ClickAt(300, 140); }
    std::optional<std::vector<std::byte>> AudioCapture() {
        return ReadBack(Root::LocalMachine, kOptions, "Audio Capture");
    }

    CBackdropDlg backdrop_;
    testing_support::TempDisc disc_{2.0};
    VerbWatchingBoxes watching_;
};

const std::string kPlay = std::string("play\0", 5);

TEST_F(AudioTestCommand, PassesOnADiscImageStoresOneAndBringsTheVerbBack) {
    rig::SoundCard card;
    watching_.Answer({ui::Answer::Ok});
    ClickAudioTest();
    ASSERT_EQ(watching_.shown().size(), 2u);
    EXPECT_EQ(watching_.shown()[1].text, resources::LoadResourceString(139));
    EXPECT_EQ(watching_.shown()[1].caption, "Success!");
    EXPECT_EQ(watching_.shown()[1].icon, ui::Icon::Information);
    EXPECT_EQ(watching_.verbs,
              (std::vector<std::string>{std::string(1, '\0'), std::string(1, '\0')}))
        << "blank while the prompt and the result show";
    EXPECT_EQ(AudioCapture(), Bytes(std::string(1, '\1')));
    EXPECT_EQ(Verb(), kPlay);
}

TEST_F(AudioTestCommand, NoAudioShowsCodeFiveAndCancelStoresZero) {
    rig::SoundCard card(rig::MutedCard());
    watching_.Answer({ui::Answer::Ok, ui::Answer::Cancel});
    ClickAudioTest();
    ASSERT_EQ(watching_.shown().size(), 2u);
    EXPECT_EQ(watching_.shown()[1].text, resources::LoadResourceString(153));
    EXPECT_EQ(AudioCapture(), Bytes(std::string(1, '\0')));
    EXPECT_EQ(Verb(), kPlay);
    EXPECT_TRUE(backdrop_.IsVisible());
}

TEST_F(AudioTestCommand, DecliningThePromptStoresNothingAndBringsTheVerbBack) {
    rig::SoundCard card;
    watching_.Answer({ui::Answer::Cancel});
    ClickAudioTest();
    EXPECT_EQ(watching_.shown().size(), 1u);
    EXPECT_EQ(watching_.verbs, (std::vector<std::string>{std::string(1, '\0')}));
    EXPECT_FALSE(AudioCapture().has_value());
    EXPECT_EQ(Verb(), kPlay);
    EXPECT_EQ(card.system().playbacksCreated(), 0);
}

}  // namespace
