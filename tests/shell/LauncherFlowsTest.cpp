// The launcher screen's buttons reach the flows of launch/ through the screen they are given: the
// dialog's members, its options panel and the backdrop, with recording services outside.
#include <functional>
#include <string>
#include <vector>

#include "settings/Settings.h"
#include "shell/BackdropDlg.h"
#include "tests/launch/FlowFixture.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/shell/LauncherFixture.h"

namespace {

namespace ui = platform::ui;
using Rects = std::vector<ui::Rect>;
using velorin::test::kWholeWindow;

struct Spot {
    int x;
    int y;
};
constexpr Spot kLaunch{300, 60};
constexpr Spot kMixingRoom{300, 185};
constexpr Spot kQuit{300, 225};
constexpr Spot kHardwareAcceleration{20, 155};
constexpr Spot kRetest{100, 190};

// Notes whether the backdrop showed while each box was up.
class BackdropWatchingBoxes : public ui::fake::ScriptedMessageBoxes {
  public:
    ui::Answer Show(ui::Window* owner, const ui::MessageRequest& request) override {
        backdropShown.push_back(g_pBackdrop->IsVisible());
        return ScriptedMessageBoxes::Show(owner, request);
    }
    std::vector<bool> backdropShown;
};

class LauncherFlows : public velorin::test::LauncherFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(backdrop_.Create());
        g_pBackdrop = &backdrop_;
        SetLaunchServices(&services_);
        internet_.SetReachable(launch_test::kMaker, true);
        StoreVelorinText("FPS", "30 fps");
        // Each run of Velorin exports a dance, so the screen stays open after it.
        processes_.Install("exportToWeb");
    }
    void TearDown() override {
        SetLaunchServices(nullptr);
        LauncherFixture::TearDown();
        g_pBackdrop = nullptr;
        backdrop_.DestroyWindow();
    }
    void Click(Spot at) { ClickAt(at.x, at.y); }
    static void StoreVelorinText(std::string_view name, std::string_view text) {
        platform::registry::test::Write(platform::registry::Root::LocalMachine,
                                        "SOFTWARE\\Tessaly\\Velorin", name,
                                        platform::registry::ValueType::String, text);
    }
    // Velorin, which exports a dance, and the mixing tool, recorded as its installation would.
    void InstallVelorinAndTheMixingTool() {
        platform::registry::test::Write(
            platform::registry::Root::LocalMachine,
            "SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path", "",
            platform::registry::ValueType::String, "/opt/Blendora");
        Install("Velorin", [] { StoreVelorinText("VelorinExportedDance", "/d/Salsa.dnc"); });
        Install("/opt/Blendora/Blendora Studio VL");
    }
    // A program that notes what the screen had painted before it started.
    void Install(const std::string& program, const std::function<void()>& during = {}) {
        processes_.Install(program, [this, program, during](const auto&) {
            started_.push_back(program);
            paintedBefore_.push_back(dlg.painted);
            if (during) {
                during();
            }
        });
    }

    CBackdropDlg backdrop_;
    BackdropWatchingBoxes watching_;
    platform::process::fake::RecordingProcessRunner processes_;
    platform::inet::fake::ScriptedInternet internet_;
    platform::shell::fake::RecordingBrowser browser_;
    platform::cpu::fake::FixedProcessor processor_{false};
    launch_test::FakeDevices devices_;
    LaunchServices services_{processes_, internet_,  {launch_test::kMaker, launch_test::kPublisher},
                             browser_,   processor_, devices_};
    std::vector<std::string> started_;
    std::vector<Rects> paintedBefore_;
};

}  // namespace

// Launch, the mixing room and quit close an open panel first: the whole window is redrawn
// without it before the command acts.
TEST_F(LauncherFlows, CommandsRedrawTheWholeWindowWithoutThePanelBeforeTheyAct) {
    InstallVelorinAndTheMixingTool();
    Open();
    for (Spot command : {kLaunch, kMixingRoom}) {
        OpenPanel();
        Click(command);
        EXPECT_FALSE(dlg.m_bOptionsShown);
    }
    EXPECT_EQ(started_, (std::vector<std::string>{"Velorin", "/opt/Blendora/Blendora Studio VL"}));
    EXPECT_EQ(paintedBefore_, (std::vector<Rects>{{kWholeWindow}, {kWholeWindow}}));
    OpenPanel();
    Click(kQuit);
    EXPECT_EQ(dlg.painted, Rects{kWholeWindow});
    EXPECT_FALSE(dlg.IsVisible()) << "the screen ended";
}

// The flows change the dialog's own members and reach its backdrop: a changed option is
// analysed once and remembered, and a busy drive's box stands alone.
TEST_F(LauncherFlows, LaunchWorksOnTheScreensOwnStateAndBackdrop) {
    Install("Velorin", [] {
        if (IsSpeedTestPending()) {
            StoreVelorinText("FPS", "41.5 fps");
        }
        StoreVelorinText("VelorinExportedDance", "/d/Salsa.dnc");
    });
    SetHardwareAcceleration(0);
    Open();
    OpenPanel();
    Click(kHardwareAcceleration);
    devices_.cdAnswers = {false};
    watching_.Answer({ui::Answer::Retry});
    Click(kLaunch);
    EXPECT_EQ(dlg.m_bAnalysedHardwareAcceleration, 1);
    EXPECT_EQ(started_, (std::vector<std::string>{"Velorin", "Velorin"})) << "analysis, then play";
    ASSERT_GE(watching_.backdropShown.size(), 1u);
    EXPECT_FALSE(watching_.backdropShown[0]) << "hidden behind the busy drive's box";
    EXPECT_TRUE(backdrop_.IsVisible());

    Click(kLaunch);
    EXPECT_EQ(started_.size(), 3u) << "the analysed value was kept: no second analysis";
}

// Re-test with the panel open: the panel stays and shows the resolution Velorin's analysis left.
TEST_F(LauncherFlows, ReTestShowsTheResolutionVelorinLeftOnTheOpenPanel) {
    SetModelResolution(0);
    Install("Velorin", [] { SetModelResolution(2); });
    Open();
    OpenPanel();
    Click(kRetest);
    EXPECT_TRUE(dlg.m_bOptionsShown);
    EXPECT_EQ(dlg.m_nModelResolution, 2);
    EXPECT_EQ(dlg.m_nAnalysedModelResolution, 2);
    EXPECT_EQ(dlg.painted.back(), kWholeWindow);
    ExpectMarks({{7, false}, {8, false}, {9, true}});
}

// Without one mouse event: the keyboard reaches and runs launch, an option on and off again, the
// mixing room and quit.
TEST_F(LauncherFlows, TheKeyboardAloneReachesAndRunsTheCommands) {
    InstallVelorinAndTheMixingTool();
    SetBvhExport(0);
    Open();
    auto press = [this](ui::Key key, int times = 1) {
        for (int time = 0; time < times; ++time) {
            Host().PressKey(key);
        }
    };
    press(ui::Key::Tab);
    press(ui::Key::Enter);
    EXPECT_EQ(started_, std::vector<std::string>{"Velorin"});
    press(ui::Key::Down);
    press(ui::Key::Space);
    ASSERT_TRUE(dlg.m_bOptionsShown);
    press(ui::Key::Tab, 10);  // through the commands and the panel to BVH Export
    press(ui::Key::Space);
    EXPECT_EQ(GetBvhExport(), 1);
    press(ui::Key::Enter);
    EXPECT_EQ(GetBvhExport(), 0);
    press(ui::Key::BackTab, 8);  // back to the mixing room
    press(ui::Key::Enter);
    EXPECT_EQ(started_.back(), "/opt/Blendora/Blendora Studio VL");
    press(ui::Key::Right);
    press(ui::Key::Space);
    EXPECT_FALSE(dlg.IsVisible()) << "Quit ended the screen";
}
