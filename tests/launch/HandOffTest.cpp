#include "settings/Settings.h"
#include "tests/launch/FlowFixture.h"

namespace launch_test {
namespace {

namespace ui = platform::ui;
using Strings = std::vector<std::string>;

const std::string kNotInstalled =
    "Cannot find Blendora|You do not have Blendora installed on your machine.";

// The mixing tool's program as its command line names it: one path, quoted for its blanks.
std::string Mixer(const std::string& folder) {
    return "\"" + folder + "\\Blendora Studio VL.exe\"";
}

class HandOffTest : public FlowTest {
  protected:
    void SetUp() override {
        StoreText("FPS", "30 fps");
        InstallVelorin([this] {
            if (!exports_.empty()) {
                StoreText(exports_.front().first, exports_.front().second);
                exports_.pop_front();
            }
        });
    }
    // What Velorin exports on its next runs, one value per run.
    void VelorinExports(std::string name, std::string file) {
        exports_.emplace_back(std::move(name), std::move(file));
    }

    std::deque<std::pair<std::string, std::string>> exports_;
};

// One hand-off per run of Velorin: a dance for the web first, then a mix, then a dance for the
// AVI maker; the others wait in the store for the next runs.
TEST_F(HandOffTest, HandOffsGoWebFirstThenTheMixThenTheAviMakerOnePerRun) {
    std::string folder = InstallMixingTool();
    processes_.Install("exportToWeb");
    processes_.Install("TsAVIMaker");
    VelorinExports("VelorinExportedDance", "C:\\Dances\\Salsa.one.dnc");
    StoreText("VelorinExportedMix", "/mixes/one.mix");
    StoreText("VelorinExportedDanceForAVI", "/d/Tango.dnc");
    boxes_.Answer({ui::Answer::Ok, ui::Answer::Ok});
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages(), (Strings{"Export Dance To Web|Velorin is ready to export the "
                                   "dance\nSalsa\n\nWould you like to continue?"}));
    EXPECT_EQ(boxes_.shown()[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(StoredText("VelorinExportedDance"), "");
    EXPECT_EQ(StoredText("VelorinExportedMix"), "/mixes/one.mix");
    EXPECT_EQ(StoredText("VelorinExportedDanceForAVI"), "/d/Tango.dnc");

    flows_.LaunchVelorin();
    EXPECT_EQ(processes_.CommandLines(),
              (Strings{"Velorin", "exportToWeb C:\\Dances\\Salsa.one.dnc", "Velorin",
                       Mixer(folder) + " /mixes/one.mix", "Velorin", "TsAVIMaker /d/Tango.dnc"}));
    EXPECT_FALSE(screen_.endedWith.has_value());
}

TEST_F(HandOffTest, CancelOnTheAviQuestionStartsNothingAndLosesTheExport) {
    processes_.Install("TsAVIMaker");
    VelorinExports("VelorinExportedDanceForAVI", "Tango");
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages(), (Strings{"Create AVI Movie from Dance|Velorin is ready to create an AVI "
                                   "Movie from the dance\nTango\n\nWould you like to continue?"}));
    EXPECT_EQ(processes_.CommandLines(), (Strings{"Velorin"}));
    EXPECT_EQ(StoredText("VelorinExportedDanceForAVI"), "");
    EXPECT_FALSE(screen_.endedWith.has_value());
}

TEST_F(HandOffTest, AToolThatIsThereButCannotStartIsReported) {
    processes_.InstallBroken("TsAVIMaker");
    StoreText("VelorinExportedDanceForAVI", "/d/Salsa.dnc");
    boxes_.Answer({ui::Answer::Ok});
    flows_.RunAviMaker();
    EXPECT_EQ(Messages().back(),
              "Cannot start Velorin AVI Maker|Could not start the Velorin AVI Maker.\nPlease "
              "re-install the Velorin AVI Maker.");
}

TEST_F(HandOffTest, AMissingExporterLeadsToTheDownloadOfferAndAMissingNameToAMessage) {
    StoreText("VelorinExportedDance", "/d/Salsa.dnc");
    boxes_.Answer({ui::Answer::Yes});
    flows_.RunWebExporter();
    EXPECT_EQ(browser_.pages(), Strings{"http://maker.example/Velorin/Exporter"});
    EXPECT_EQ(StoredText("VelorinExportedDance"), "");

    flows_.RunWebExporter();
    EXPECT_EQ(Messages().back(), "No Dance File Exported|Could not file the exported dance file.");
}

// The mix waits for the mixing tool, goes to it as one argument from its own folder, and
// Velorin starts again after it.
TEST_F(HandOffTest, AMixWithoutTheMixingToolIsRememberedForTheNextMixingRoom) {
    VelorinExports("VelorinExportedMix", "/mixes/my mix.mix");
    flows_.LaunchVelorin();
    EXPECT_EQ(Messages(), Strings{kNotInstalled});
    EXPECT_TRUE(screen_.returnToVelorin);
    EXPECT_EQ(StoredText("VelorinExportedMix"), "/mixes/my mix.mix");

    std::string folder = InstallMixingTool();
    flows_.RunMixingTool();
    EXPECT_EQ(processes_.CommandLines(),
              (Strings{"Velorin", Mixer(folder) + " \"/mixes/my mix.mix\"", "Velorin"}));
    EXPECT_EQ(processes_.runs()[1].currentFolder, folder);
    EXPECT_EQ(processes_.runs()[1].arguments, Strings{"/mixes/my mix.mix"});
    EXPECT_EQ(StoredText("VelorinExportedMix"), "");
    EXPECT_FALSE(screen_.returnToVelorin);
    EXPECT_EQ(screen_.endedWith, 0);
}

TEST_F(HandOffTest, TheMixingRoomReturnsToVelorinOnlyAfterAWaveExport) {
    std::string folder = InstallMixingTool();
    flows_.RunMixingTool();
    EXPECT_EQ(processes_.CommandLines(), Strings{Mixer(folder)});
    EXPECT_EQ(log_, (Strings{"cursor:wait", "Blendora", "cursor:arrow", "screen:redraw"}));

    InstallMixingTool([] { FlowTest::StoreText("BlendoraLastExportedWav", "/w/take.wav"); });
    flows_.RunMixingTool();
    EXPECT_EQ(VelorinRuns(), 1);
    EXPECT_EQ(screen_.endedWith, 0);
}

TEST_F(HandOffTest, AMixingToolThatCannotStartIsReportedAndTheFlowGoesOn) {
    std::string folder = InstallMixingTool();
    processes_.InstallBroken(MixingToolProgram(folder));
    screen_.returnToVelorin = true;
    flows_.RunMixingTool();
    EXPECT_EQ(Messages(), (Strings{"Cannot find Blendora|Cound not locate the Blendora "
                                   "program.\nPlease re-install Blendora."}));
    EXPECT_EQ(VelorinRuns(), 1);
}

}  // namespace
}  // namespace launch_test
