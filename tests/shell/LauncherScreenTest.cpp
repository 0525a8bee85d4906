#include <optional>

#include "resources/Strings.h"
#include "settings/Settings.h"
#include "tests/shell/LauncherFixture.h"

namespace ui = platform::ui;
using velorin::test::kHoverArea;
using velorin::test::kSnap;
using velorin::test::kWholeWindow;
using velorin::test::Picture;

namespace {

constexpr ui::Rect kRetestButton{17, 180, 175, 204};
constexpr ui::Color kBandBlue{66, 41, 181};

class LauncherScreen : public velorin::test::LauncherFixture {
  protected:
    std::string Text(int id) const { return std::string(resources::LoadResourceString(id)); }
    // The box around the white ink (every channel above 200) in the blue band's hover area.
    std::optional<ui::Rect> InkBox() const {
        std::optional<ui::Rect> box;
        for (int y = kHoverArea.top; y < kHoverArea.bottom; ++y) {
            for (int x = kHoverArea.left; x < kHoverArea.right; ++x) {
                const ui::Color c = Screen().At(x, y);
                if (c.red > 200 && c.green > 200 && c.blue > 200) {
                    box = box ? ui::Rect{std::min(box->left, x), std::min(box->top, y),
                                         std::max(box->right, x + 1), std::max(box->bottom, y + 1)}
                              : ui::Rect{x, y, x + 1, y + 1};
                }
            }
        }
        return box;
    }
};

}  // namespace

TEST_F(LauncherScreen, PointsOnARegionsBorderAreOutsideIt) {
    Open();
    for (auto [x, y] : {std::pair{260, 60}, {400, 60}, {300, 50}, {300, 75}}) {
        MoveTo(x, y);
        EXPECT_EQ(dlg.m_pHotRegion, nullptr) << x << "," << y;
        EXPECT_FALSE(dlg.OnSetCursor());
    }
    for (auto [x, y] : {std::pair{261, 60}, {399, 60}, {300, 51}, {300, 74}}) {
        MoveTo(x, y);
        EXPECT_EQ(dlg.m_pHotRegion, dlg.m_regions[0].get()) << x << "," << y;
        EXPECT_TRUE(HandShown());
    }
}

TEST_F(LauncherScreen, HoverTextChangesRedrawOnlyTheTextAreaOnceAndShowTheHand) {
    Open();
    EXPECT_TRUE(ShowsAt(0, 0, Picture(131))) << "the screen's picture, no text";
    MoveTo(300, 60);
    EXPECT_EQ(dlg.m_strHoverText, Text(154));
    EXPECT_EQ(dlg.painted, std::vector<ui::Rect>{kHoverArea});
    const auto ink = InkBox();
    ASSERT_TRUE(ink.has_value()) << "the text is drawn in white";
    EXPECT_EQ(ui::fake::Intersect(*ink, {5, 213, 253, 249}), *ink) << "inside 5..253 x 213..249";
    EXPECT_EQ(Screen().At(5, 213), kBandBlue) << "on the band's blue";
    EXPECT_TRUE(HandShown());

    MoveTo(310, 62);
    EXPECT_EQ(dlg.painted.size(), 1u) << "moving within a region redraws nothing";

    MoveTo(300, 140);
    EXPECT_EQ(dlg.m_strHoverText, Text(156));
    EXPECT_EQ(dlg.painted, (std::vector<ui::Rect>{kHoverArea, kHoverArea}));

    MoveTo(100, 100);
    EXPECT_EQ(dlg.m_strHoverText, "");
    EXPECT_EQ(dlg.painted.size(), 3u);
    EXPECT_FALSE(dlg.OnSetCursor());
    EXPECT_FALSE(InkBox().has_value()) << "the text is gone";
}

TEST_F(LauncherScreen, PanelPlacesAreLiveOnlyWhileThePanelShowsAndHaveNoText) {
    Open();
    MoveTo(20, 77);
    EXPECT_EQ(dlg.m_pHotRegion, nullptr);
    OpenPanel();
    MoveTo(20, 77);
    EXPECT_EQ(dlg.m_pHotRegion, dlg.m_regions[5].get());
    EXPECT_TRUE(HandShown());
    EXPECT_EQ(dlg.m_strHoverText, "");
}

TEST_F(LauncherScreen, SnapPlaysOncePerEntryIntoRetestAndTheButtonIsLitWhileInside) {
    Open();
    MoveTo(100, 190);
    EXPECT_TRUE(SoundNames().empty()) << "no snap while the panel is hidden";
    OpenPanel();

    MoveTo(100, 190);
    MoveTo(120, 195);
    ASSERT_EQ(SoundNames(), std::vector<std::string>{kSnap});
    EXPECT_EQ(Sounds()[0].flags,
              platform::sound::SoundFlags::Async | platform::sound::SoundFlags::FileName);
    EXPECT_TRUE(dlg.m_bRetestHot);
    EXPECT_EQ(dlg.painted, (std::vector<ui::Rect>{kHoverArea, kRetestButton}));
    EXPECT_TRUE(ShowsAt(17, 180, Picture(149).Block(kRetestButton)));

    MoveTo(100, 210);
    EXPECT_FALSE(dlg.m_bRetestHot);
    EXPECT_EQ(dlg.painted.back(), kRetestButton);
    EXPECT_TRUE(ShowsAt(17, 180, Picture(145).Block(kRetestButton)));
    MoveTo(100, 190);
    EXPECT_EQ(SoundNames(), (std::vector<std::string>{kSnap, kSnap}));
}

TEST_F(LauncherScreen, PanelShowsTheStoredOptionsAsMarks) {
    SetAudioDialogue(0);
    SetAudioBackgroundSounds(1);
    SetModelResolution(2);
    SetHardwareAcceleration(1);
    SetBvhExport(0);
    Open();
    EXPECT_EQ(dlg.m_nModelResolution, 2);
    OpenPanel();
    ExpectMarks(
        {{5, false}, {6, true}, {7, false}, {8, false}, {9, true}, {10, true}, {11, false}});
}

TEST_F(LauncherScreen, StoredModelResolutionOutsideTheChoicesSelectsNone) {
    SetModelResolution(5);
    Open();
    OpenPanel();
    ExpectMarks({{7, false}, {8, false}, {9, false}});
}

TEST_F(LauncherScreen, AboutIsTheLastWindowMenuItemAndRunsTheAboutBox) {
    Open();
    const auto& menu = Host().windowMenu();
    ASSERT_GE(menu.size(), 2u);
    EXPECT_EQ(menu[menu.size() - 2].second, "") << "a separator";
    EXPECT_EQ(menu.back(), (std::pair<int, std::string>{IDM_ABOUTBOX, "&About Launcher..."}));
    dlg.OnSysCommand(IDM_ABOUTBOX);
    ASSERT_EQ(dialogs.runs().size(), 1u);
    EXPECT_EQ(dialogs.runs()[0].resourceId, 100);
}

TEST_F(LauncherScreen, WindowIsCentredWithA400By250ClientArea) {
    windows.screenWidth = 1001;
    Open();
    EXPECT_EQ(dlg.GetClientRect(), kWholeWindow);
    EXPECT_EQ(Host().placed(), (ui::Rect{300, 259, 700, 509}));
}

TEST_F(LauncherScreen, TabAndTheArrowsMoveAFocusMarkThroughTheLiveRegionsInReadingOrder) {
    Open();
    auto focused = [this] {
        for (int index = 0; index < resources::kLauncherRegionCount; ++index) {
            if (dlg.m_pHotRegion == dlg.m_regions[index].get() && dlg.m_bFocusShown) {
                return index;
            }
        }
        return -1;
    };
    auto press = [this](ui::Key key) { Host().PressKey(key); };
    for (int index = 0; index < resources::kLauncherButtonCount; ++index) {
        press(ui::Key::Tab);
        EXPECT_EQ(focused(), index);
        EXPECT_EQ(dlg.m_strHoverText, Text(154 + index)) << "the mouse's hover text";
    }
    press(ui::Key::Tab);
    EXPECT_EQ(focused(), 0) << "wraps around";
    const ui::Color black{0, 0, 0};
    EXPECT_EQ(Screen().At(259, 49), black) << "a frame just outside the region";
    EXPECT_EQ(Screen().At(259, 75), black);
    press(ui::Key::BackTab);
    EXPECT_EQ(focused(), 4);
    EXPECT_EQ(Screen().At(259, 49), Picture(131).At(259, 49)) << "the old mark is gone";
    for (auto [key, expected] :
         {std::pair{ui::Key::Up, 3}, {ui::Key::Left, 2}, {ui::Key::Down, 3}, {ui::Key::Right, 4}}) {
        press(key);
        EXPECT_EQ(focused(), expected);
    }

    OpenPanel();
    dlg.m_pHotRegion = nullptr;
    press(ui::Key::BackTab);
    EXPECT_EQ(focused(), resources::IndexOf(resources::LauncherRegion::RetestSystem))
        << "with the panel, its regions follow";
    EXPECT_TRUE(dlg.m_bRetestHot) << "lit as under the pointer";
    EXPECT_EQ(SoundNames(), std::vector<std::string>{kSnap});
    EXPECT_TRUE(ShowsAt(17, 180, Picture(149).Block(kRetestButton)));
    press(ui::Key::Tab);
    EXPECT_EQ(focused(), 0);
    EXPECT_FALSE(dlg.m_bRetestHot);
}

TEST_F(LauncherScreen, PointerAndKeyboardShareOneCurrentRegion) {
    Open();
    MoveTo(300, 60);
    EXPECT_FALSE(dlg.m_bFocusShown) << "the pointer shows no focus mark";
    Host().PressKey(ui::Key::Tab);
    EXPECT_EQ(dlg.m_pHotRegion, dlg.m_regions[1].get()) << "on from the pointer's region";
    EXPECT_EQ(dlg.m_strHoverText, Text(155));
    MoveTo(302, 100);
    EXPECT_TRUE(dlg.m_bFocusShown) << "a move inside the focused region keeps the mark";
    MoveTo(300, 62);
    EXPECT_EQ(dlg.m_pHotRegion, dlg.m_regions[0].get());
    EXPECT_FALSE(dlg.m_bFocusShown);
    EXPECT_EQ(dlg.m_strHoverText, Text(154));
    EXPECT_EQ(Screen().At(259, 89), Picture(131).At(259, 89)) << "the mark left region 1";
    MoveTo(100, 100);
    EXPECT_EQ(dlg.m_pHotRegion, nullptr);
}
