#include "resources/Strings.h"
#include "settings/Settings.h"
#include "tests/shell/LauncherFixture.h"

namespace ui = platform::ui;
using velorin::test::kClick;
using velorin::test::kHoverArea;
using velorin::test::kWholeWindow;

namespace {

constexpr ui::Rect kResolutionMarks{25, 129, 175, 141};

class LauncherCommands : public velorin::test::LauncherFixture {};

}  // namespace

TEST_F(LauncherCommands, AClickWhereNoRegionIsHotIsSilentAndDoesNothing) {
    Open();
    ClickAt(100, 100);
    EXPECT_TRUE(SoundNames().empty());
    EXPECT_TRUE(dlg.painted.empty());
    EXPECT_FALSE(dlg.m_bOptionsShown);
}

TEST_F(LauncherCommands, SetUpOptionsTogglesThePanelRedrawingTheWholeWindowAfterASyncClick) {
    Open();
    ClickAt(300, 100);
    EXPECT_TRUE(dlg.m_bOptionsShown);
    ASSERT_EQ(SoundNames(), std::vector<std::string>{kClick});
    EXPECT_EQ(Sounds()[0].flags, platform::sound::SoundFlags::FileName);
    EXPECT_EQ(dlg.painted.back(), kWholeWindow);
    Host().LeftDoubleClick(300, 100);
    EXPECT_FALSE(dlg.m_bOptionsShown) << "the double-click message is a click of its own";
}

TEST_F(LauncherCommands, OptionTogglesAreWrittenAtOnceAndRedrawOnlyTheirMark) {
    SetAudioDialogue(1);
    SetBvhExport(0);
    Open();
    OpenPanel();
    ClickAt(20, 77);
    EXPECT_EQ(GetAudioDialogue(), 0);
    EXPECT_EQ(dlg.painted, (std::vector<ui::Rect>{{16, 72, 26, 82}}));
    ClickAt(20, 167);
    EXPECT_EQ(GetBvhExport(), 1);
    EXPECT_EQ(dlg.painted.back(), (ui::Rect{16, 162, 26, 172}));
    EXPECT_EQ(SoundNames(), (std::vector<std::string>{kClick, kClick}));
}

TEST_F(LauncherCommands, ADoubleClickOnAnOptionTogglesItTwiceWithTwoClicks) {
    SetHardwareAcceleration(1);
    Open();
    OpenPanel();
    ClickAt(20, 155);
    EXPECT_EQ(GetHardwareAcceleration(), 0);
    Host().LeftDoubleClick(20, 155);
    EXPECT_EQ(GetHardwareAcceleration(), 1);
    EXPECT_TRUE(dlg.m_regions[10]->selected);
    EXPECT_EQ(SoundNames(), (std::vector<std::string>{kClick, kClick}));
}

TEST_F(LauncherCommands, ModelResolutionIsWrittenOnceAndTheChosenOneChangesNothing) {
    SetModelResolution(1);
    Open();
    OpenPanel();
    ClickAt(170, 136);
    EXPECT_EQ(GetModelResolution(), 2);
    EXPECT_EQ(dlg.m_nModelResolution, 2);
    EXPECT_EQ(dlg.painted, std::vector<ui::Rect>{kResolutionMarks});
    EXPECT_FALSE(dlg.m_regions[8]->selected);
    EXPECT_TRUE(dlg.m_regions[9]->selected);

    SetModelResolution(0);  // changed behind the screen's back: the screen still shows High
    ClickAt(171, 136);
    EXPECT_EQ(GetModelResolution(), 0) << "choosing the shown resolution writes nothing";
    EXPECT_TRUE(dlg.painted.empty());
    EXPECT_EQ(SoundNames().size(), 2u);
}

TEST_F(LauncherCommands, AudioTestClosesThePanelEmptiesTheTextAndAsksFirst) {
    Open();
    OpenPanel();
    ClickAt(300, 140);
    EXPECT_FALSE(dlg.m_bOptionsShown);
    EXPECT_EQ(dlg.m_strHoverText, "");
    EXPECT_EQ(dlg.painted, (std::vector<ui::Rect>{kWholeWindow, kHoverArea}));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, resources::LoadResourceString(137));
    EXPECT_EQ(boxes.shown()[0].caption, "Audio Test");
    EXPECT_EQ(boxes.shown()[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(boxes.shown()[0].icon, ui::Icon::None);
}

TEST_F(LauncherCommands, LaunchEmptiesTheHoverTextUntilThePointerMovesToAnotherRegion) {
    Open();
    ClickAt(300, 60);
    EXPECT_EQ(dlg.m_strHoverText, "");
    MoveTo(301, 61);
    EXPECT_EQ(dlg.m_strHoverText, "");
    MoveTo(300, 100);
    MoveTo(300, 60);
    EXPECT_EQ(dlg.m_strHoverText, resources::LoadResourceString(154));
}

TEST_F(LauncherCommands, SpaceAndEnterRunTheFocusedRegionWithItsClick) {
    SetAudioDialogue(1);
    Open();
    Host().PressKey(ui::Key::Space);
    EXPECT_TRUE(SoundNames().empty()) << "nothing focused, nothing run";
    Host().PressKey(ui::Key::Tab);
    Host().PressKey(ui::Key::Tab);
    Host().PressKey(ui::Key::Space);
    EXPECT_TRUE(dlg.m_bOptionsShown);
    for (int step = 0; step < 4; ++step) {
        Host().PressKey(ui::Key::Tab);
    }
    ASSERT_EQ(dlg.m_pHotRegion, dlg.m_regions[5].get());
    Host().PressKey(ui::Key::Enter);
    EXPECT_EQ(GetAudioDialogue(), 0);
    Host().PressKey(ui::Key::Space);
    EXPECT_EQ(GetAudioDialogue(), 1);
    EXPECT_EQ(SoundNames(), (std::vector<std::string>{kClick, kClick, kClick}));
}

// Without a focus mark (none yet, or the pointer's region) Enter and Escape end the screen as
// they always did; a focused Quit ends it as its click does.
TEST_F(LauncherCommands, QuitEscapeEnterAndTheCloseBoxAllEndTheScreen) {
    using ui::fake::FakeHost;
    const std::pair<std::function<void(FakeHost&)>, int> ways[] = {
        {[](FakeHost& host) {
             for (const int y : {100, 225}) {
                 host.MouseMove(300, y);
                 host.LeftButtonDown(300, y);
             }
         },
         0},
        {&FakeHost::PressEscape, ui::kIdCancel},
        {&FakeHost::PressEnter, ui::kIdOk},
        {[](FakeHost& host) {
             host.MouseMove(300, 60);
             host.PressKey(ui::Key::Space);
             host.PressEnter();
         },
         ui::kIdOk},
        {[](FakeHost& host) {
             host.PressKey(ui::Key::BackTab);
             host.PressKey(ui::Key::Enter);
         },
         0},
        {&FakeHost::ClickCloseBox, ui::kIdCancel},
    };
    for (const auto& [act, result] : ways) {
        velorin::test::ProbeLauncherDlg screen;
        windows.Soon([&screen, &act = act] { act(ui::fake::HostOf(screen)); });
        EXPECT_EQ(screen.DoModal(), result);
        EXPECT_FALSE(screen.HasWindow());
        EXPECT_FALSE(screen.m_bOptionsShown);
    }
}
