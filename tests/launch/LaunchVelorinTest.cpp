#include "launch/LaunchTexts.h"
#include "settings/Settings.h"
#include "tests/launch/FlowFixture.h"

namespace launch_test {
namespace {

namespace ui = platform::ui;
using Strings = std::vector<std::string>;

const std::string kFirstRun =
    "|You are running Velorin for the first time since installation.\nVelorin will now analyze "
    "your computer for a few seconds.\n";
const std::string kAnalysisComplete =
    "Analysis Complete|Velorin has finished analyzing your computer.\nIf your hardware "
    "configuration changes in the future,\nplease select the \"Re-test\" option on the "
    "Options\nScreen to re-analyze your computer.\n\nPlease click \"OK\" to start playing Velorin.";
const std::string kCannotStart =
    "Cannot find Velorin|Could not start Velorin.\nPlease re-install Velorin.";

class LaunchVelorinTest : public FlowTest {
  protected:
    void SetUp() override {
        ui::SetApplicationTitle("velorin-launcher");
        InstallVelorin();
    }
};

TEST_F(LaunchVelorinTest, FirstRunAnalysesThenPlaysAndEndsTheScreenWhenNothingWasExported) {
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages(), (Strings{kFirstRun, kAnalysisComplete}));
    EXPECT_EQ(boxes_.shown()[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(VelorinRuns(), 2);
    EXPECT_EQ(StoredText("FPS"), "41.5 fps");
    EXPECT_EQ(StoredOptionFlag("Invoked By Launcher"), 1);
    EXPECT_EQ(processes_.CommandLines(), (Strings{"Velorin", "Velorin"}));
    EXPECT_EQ(screen_.endedWith, 0);
}

TEST_F(LaunchVelorinTest, FirstRunWithChangedOptionsShowsOnlyTheFirstRunMessage) {
    SetModelResolution(2);
    std::vector<std::optional<std::string>> fpsSeen;
    InstallVelorin([&] { fpsSeen.push_back(StoredText("FPS")); });
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages(), (Strings{kFirstRun, kAnalysisComplete}));
    EXPECT_EQ(fpsSeen, (std::vector<std::optional<std::string>>{std::nullopt, "41.5 fps"}));
    EXPECT_EQ(screen_.analysedModelResolution, 2);
}

TEST_F(LaunchVelorinTest, ChangedOptionsAskForAnAnalysisUnlessChangedBack) {
    StoreText("FPS", "30 fps");
    SetHardwareAcceleration(1);
    std::vector<std::optional<std::string>> fpsSeen;
    InstallVelorin([&] { fpsSeen.push_back(StoredText("FPS")); });
    flows_.LaunchVelorin();
    const std::string changed =
        "velorin-launcher|You have changed the hardware acceleration or model resolution "
        "options.\nVelorin will now analyze your computer for a few seconds.\n\nPlease click "
        "\"OK\" to continue.";
    EXPECT_EQ(Messages(), (Strings{changed, kAnalysisComplete}));
    EXPECT_EQ(fpsSeen[0], "TEST SPEED");
    EXPECT_EQ(VelorinRuns(), 2);
    EXPECT_EQ(screen_.analysedHardwareAcceleration, 1);

    SetHardwareAcceleration(0);
    SetHardwareAcceleration(1);
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(VelorinRuns(), 3);
}

TEST_F(LaunchVelorinTest, AVelorinThatCannotStartIsReportedAndTheFlowStops) {
    processes_ = {};
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages(), (Strings{kFirstRun, kCannotStart}));
    EXPECT_EQ(boxes_.shown()[1].buttons, ui::Buttons::Ok);
    EXPECT_FALSE(screen_.endedWith.has_value());
    EXPECT_EQ(log_.back(), "cursor:arrow");

    StoreText("FPS", "30 fps");
    StoreText("VelorinExportedDance", "/d/Salsa.dnc");
    flows_.RetestComputer();
    EXPECT_EQ(Messages().back(), kCannotStart);
    EXPECT_FALSE(screen_.shownResolution.has_value());
    EXPECT_EQ(StoredText("VelorinExportedDance"), "/d/Salsa.dnc");
}

TEST_F(LaunchVelorinTest, VelorinRunsUnderTheWaitCursor) {
    StoreText("FPS", "30 fps");
    flows_.LaunchVelorin();
    EXPECT_EQ(log_, (Strings{"cursor:wait", "Velorin", "cursor:arrow"}));
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(LaunchVelorinTest, CancelOnTheCdDriveMessageStartsNothingAndBringsTheWindowsBack) {
    devices_.cdOpens = false;
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages(), (Strings{"CD Drive Busy|Could not access the CD drive. \nPlease close "
                                   "any applications that are currently accessing\nthe CD drive "
                                   "and click \"Retry\" to continue.\n"}));
    EXPECT_EQ(boxes_.shown()[0].buttons, ui::Buttons::RetryCancel);
    EXPECT_EQ(devices_.waveTries, 0);
    EXPECT_EQ(log_, (Strings{"backdrop:hide", "screen:hide", "backdrop:show", "screen:show"}));
    EXPECT_EQ(StoredOptionFlag("Invoked By Launcher"), 1);
}

TEST_F(LaunchVelorinTest, ABusySoundCardIsTriedAgainOnEveryRetry) {
    StoreText("FPS", "30 fps");
    devices_.waveAnswers = {false, false, false, true};
    boxes_.Answer({ui::Answer::Retry, ui::Answer::Retry, ui::Answer::Retry});
    flows_.LaunchVelorin();
    const std::string busy =
        "Cannot Access Sound Card|Could not access the sound card.  Please close\nany "
        "applications that are currently accessing\nthe sound card and click \"Retry\" to "
        "continue.\n\nNote: Velorin will not run without a sound card.";
    EXPECT_EQ(Messages(), (Strings{busy, busy, busy}));
    EXPECT_EQ(devices_.waveTries, 4);
    EXPECT_EQ(VelorinRuns(), 1);
    EXPECT_TRUE(log_[0] == "backdrop:hide" && log_[1] == "screen:hide");
    EXPECT_EQ(log_[3], "screen:show");
}

TEST_F(LaunchVelorinTest, WithoutABackdropABusyDeviceEndsTheFlowSilently) {
    screen_.hasBackdrop = false;
    devices_.cdOpens = false;
    EXPECT_FALSE(flows_.CheckCdDrive());
    flows_.RetestComputer();
    EXPECT_TRUE(boxes_.shown().empty());
    EXPECT_TRUE(log_.empty());
}

TEST_F(LaunchVelorinTest, ReTestShowsTheOptionsVelorinLeftAndIsNotAskedForAgain) {
    StoreText("FPS", "30 fps");
    std::optional<std::string> fpsSeen;
    InstallVelorin([&] {
        if (!fpsSeen) {
            fpsSeen = StoredText("FPS");
            SetModelResolution(2);
            SetHardwareAcceleration(1);
        }
    });
    flows_.RetestComputer();
    EXPECT_EQ(fpsSeen, "TEST SPEED");
    EXPECT_EQ(StoredOptionFlag("Invoked By Launcher"), 1);
    EXPECT_EQ(screen_.shownResolution, 2);
    EXPECT_EQ(screen_.analysedModelResolution, 2);
    EXPECT_EQ(screen_.analysedHardwareAcceleration, 1);
    EXPECT_EQ(log_.back(), "screen:redraw");
    EXPECT_TRUE(boxes_.shown().empty());

    flows_.LaunchVelorin();
    EXPECT_TRUE(boxes_.shown().empty());
    EXPECT_EQ(VelorinRuns(), 2);
}

}  // namespace
}  // namespace launch_test
