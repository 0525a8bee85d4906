#include <QImage>
#include <optional>

#include "resources/Strings.h"
#include "settings/Settings.h"
#include "tests/shell/LauncherFixture.h"

namespace ui = platform::ui;
using velorin::test::BlockEquals;
using velorin::test::kHoverArea;
using velorin::test::kSnap;
using velorin::test::kWholeWindow;
using velorin::test::Resource;

namespace {

constexpr ui::Rect kRetestButton{17, 180, 175, 204};

class LauncherScreen : public velorin::test::LauncherFixture {
  protected:
    bool HandShown() const { return dlg.qtHost()->cursor().shape() != Qt::ArrowCursor; }
    std::string Text(int id) const { return std::string(resources::LoadResourceString(id)); }
};

}  // namespace

TEST_F(LauncherScreen, PointsOnARegionsBorderAreOutsideIt) {
    Open();
    for (auto [x, y] : {std::pair{260, 60}, {400, 60}, {300, 50}, {300, 75}}) {
        dlg.OnMouseMove(x, y);
        EXPECT_EQ(dlg.m_pHotRegion, nullptr) << x << "," << y;
        EXPECT_FALSE(dlg.OnSetCursor());
    }
    for (auto [x, y] : {std::pair{261, 60}, {399, 60}, {300, 51}, {300, 74}}) {
        dlg.OnMouseMove(x, y);
        EXPECT_EQ(dlg.m_pHotRegion, dlg.m_regions[0].get()) << x << "," << y;
        EXPECT_TRUE(HandShown());
    }
}

// White ink (every channel above 200) in the blue band's hover area, as the box bounding it.
std::optional<QRect> InkBox(const QImage& screen) {
    std::optional<QRect> box;
    for (int y = kHoverArea.top; y < kHoverArea.bottom; ++y) {
        for (int x = kHoverArea.left; x < kHoverArea.right; ++x) {
            const QColor c = screen.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() > 200) {
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST_F(LauncherScreen, HoverTextChangesRedrawOnlyTheTextAreaOnceAndShowTheHand) {
    Open();
    EXPECT_FALSE(InkBox(Screen()).has_value());
    dlg.OnMouseMove(300, 60);
    EXPECT_EQ(dlg.m_strHoverText, Text(154));
    EXPECT_EQ(dlg.painted, std::vector<ui::Rect>{kHoverArea});
    const auto ink = InkBox(Screen());
    ASSERT_TRUE(ink.has_value()) << "the text is drawn in white";
    EXPECT_TRUE(QRect(5, 213, 248, 36).contains(*ink)) << "inside 5..253 x 213..249";
    EXPECT_EQ(Screen().pixelColor(5, 213), QColor(62, 45, 178)) << "on the band's blue";
    EXPECT_TRUE(dlg.OnSetCursor());
    EXPECT_TRUE(HandShown());

    dlg.OnMouseMove(310, 62);
    EXPECT_EQ(dlg.painted.size(), 1u) << "moving within a region redraws nothing";

    dlg.OnMouseMove(300, 140);
    EXPECT_EQ(dlg.m_strHoverText, Text(156));
    EXPECT_EQ(dlg.painted, (std::vector<ui::Rect>{kHoverArea, kHoverArea}));

    dlg.OnMouseMove(100, 100);
    EXPECT_EQ(dlg.m_strHoverText, "");
    EXPECT_EQ(dlg.painted.size(), 3u);
    EXPECT_FALSE(dlg.OnSetCursor());
}

TEST_F(LauncherScreen, PanelPlacesAreLiveOnlyWhileThePanelShowsAndHaveNoText) {
    Open();
    dlg.OnMouseMove(20, 77);
    EXPECT_EQ(dlg.m_pHotRegion, nullptr);
    OpenPanel();
    dlg.OnMouseMove(20, 77);
    EXPECT_EQ(dlg.m_pHotRegion, dlg.m_regions[5].get());
    EXPECT_TRUE(HandShown());
    EXPECT_EQ(dlg.m_strHoverText, "");
}

TEST_F(LauncherScreen, SnapPlaysOncePerEntryIntoRetestAndTheButtonIsLitWhileInside) {
    Open();
    dlg.OnMouseMove(100, 190);
    EXPECT_TRUE(SoundNames().empty()) << "no snap while the panel is hidden";
    OpenPanel();

    dlg.OnMouseMove(100, 190);
    dlg.OnMouseMove(120, 195);
    ASSERT_EQ(SoundNames(), std::vector<std::string>{kSnap});
    EXPECT_EQ(Sounds()[0].flags,
              platform::sound::SoundFlags::Async | platform::sound::SoundFlags::FileName);
    EXPECT_TRUE(dlg.m_bRetestHot);
    EXPECT_EQ(dlg.painted, (std::vector<ui::Rect>{kHoverArea, kRetestButton}));
    EXPECT_TRUE(BlockEquals(Screen(), 17, 180, Resource("bitmap-149.png").copy(17, 180, 158, 24)));

    dlg.OnMouseMove(100, 210);
    EXPECT_FALSE(dlg.m_bRetestHot);
    EXPECT_EQ(dlg.painted.back(), kRetestButton);
    EXPECT_TRUE(BlockEquals(Screen(), 17, 180, Resource("bitmap-145.png").copy(17, 180, 158, 24)));
    dlg.OnMouseMove(100, 190);
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
    const QImage screen = Screen();
    const QImage on = Resource("bitmap-134.png");
    const QImage off = Resource("bitmap-133.png");
    const std::pair<int, bool> expected[] = {{5, false}, {6, true},  {7, false}, {8, false},
                                             {9, true},  {10, true}, {11, false}};
    for (auto [index, selected] : expected) {
        const CHotRegion& region = *dlg.m_regions[index];
        EXPECT_TRUE(BlockEquals(screen, region.left, region.top, selected ? on : off)) << index;
    }
}

TEST_F(LauncherScreen, StoredModelResolutionOutsideTheChoicesSelectsNone) {
    SetModelResolution(5);
    Open();
    for (int index : {7, 8, 9}) {
        EXPECT_FALSE(dlg.m_regions[index]->selected) << index;
    }
}

TEST_F(LauncherScreen, AboutIsTheLastWindowMenuItemAndRunsTheAboutBox) {
    Open();
    const auto actions = dlg.qtHost()->windowMenu().actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.back()->text().toStdString(), "&About Launcher...");
    EXPECT_EQ(actions.back()->data().toInt(), IDM_ABOUTBOX);
    dlg.OnSysCommand(IDM_ABOUTBOX);
    ASSERT_EQ(dialogs.runs().size(), 1u);
    EXPECT_EQ(dialogs.runs()[0].resourceId, 100);
}

TEST_F(LauncherScreen, WindowIsCentredWithA400By250ClientArea) {
    Open();
    EXPECT_EQ(dlg.GetClientRect(), kWholeWindow);
    const QRect screen = dlg.qtHost()->screen()->geometry();
    EXPECT_EQ(dlg.qtHost()->pos(), QPoint((screen.width() - 400) / 2, (screen.height() - 250) / 2));
}
