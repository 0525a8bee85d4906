#include "settings/Settings.h"
#include "tests/launch/FlowFixture.h"

namespace launch_test {
namespace {

namespace ui = platform::ui;
using Strings = std::vector<std::string>;

const std::string kOffer =
    "Intel Enhancements|Velorin has detected one of Intel's latest processors.\n\nTo download "
    "Velorin enhancements and new features for this processor,\nclick \"Yes\" to continue.";

class ProcessorOfferTest : public FlowTest {
  protected:
    void SetUp() override {
        StoreText("FPS", "30 fps");
        InstallVelorin([] { StoreText("VelorinExportedDanceForAVI", "/d/keep-open.dnc"); });
        processes_.Install("TsAVIMaker");
    }
};

TEST_F(ProcessorOfferTest, NoOnTheOfferStartsVelorinAndTheOfferComesAgain) {
    processor_ = platform::cpu::fake::FixedProcessor(true);
    flows_.LaunchVelorin();
    flows_.LaunchVelorin();
    ASSERT_EQ(Messages().size(), 4u);  // the offer and the AVI question, twice
    EXPECT_EQ(Messages()[0], kOffer);
    EXPECT_EQ(Messages()[2], kOffer);
    EXPECT_EQ(boxes_.shown()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(VelorinRuns(), 2);
}

TEST_F(ProcessorOfferTest, YesWhileOnlineOpensTheUpgradePageInsteadOfVelorin) {
    processor_ = platform::cpu::fake::FixedProcessor(true);
    boxes_.Answer({ui::Answer::Yes});
    flows_.LaunchVelorin();
    EXPECT_EQ(browser_.pages(), Strings{"http://maker.example/Velorin/Intel"});
    EXPECT_EQ(VelorinRuns(), 0);
    EXPECT_EQ(log_.back(), "screen:redraw");
}

TEST_F(ProcessorOfferTest, YesWhileOfflineWaitsAndCancelThereStillLaunches) {
    processor_ = platform::cpu::fake::FixedProcessor(true);
    SetOnline(false);
    boxes_.Answer({ui::Answer::Yes, ui::Answer::Ok});
    dialogs_.answers = {ui::kIdOk};
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages()[1],
              "Download Velorin Upgrade|To proceed, click \"Ok\" and manually "
              "establish a connection\nto the Internet.");
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[1].resourceId, 153);
    EXPECT_EQ(VelorinRuns(), 1);
}

TEST_F(ProcessorOfferTest, AnUpgradeOnAProcessorWithoutSseIsForgottenAfterOneWarning) {
    SetXChipPatchInstalled(1);
    flows_.LaunchVelorin();
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages()[0],
              "Warning|Velorin has detected that you no longer have\nthe latest "
              "Intel processor.\n");
    EXPECT_EQ(Messages().size(), 3u);  // the warning once, the AVI question twice
    EXPECT_EQ(GetXChipPatchInstalled(), 0);
    EXPECT_EQ(VelorinRuns(), 2);
}

TEST_F(ProcessorOfferTest, AnSseProcessorWithTheUpgradeGetsNoMessage) {
    processor_ = platform::cpu::fake::FixedProcessor(true);
    SetXChipPatchInstalled(1);
    EXPECT_FALSE(flows_.OfferProcessorUpgrade());
    EXPECT_TRUE(boxes_.shown().empty());
}

}  // namespace
}  // namespace launch_test
