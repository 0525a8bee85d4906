#include "settings/Settings.h"
#include "tests/launch/FlowFixture.h"

namespace launch_test {
namespace {

namespace ui = platform::ui;
using Strings = std::vector<std::string>;

const std::string kAviOffline =
    "Download Velorin AVI Maker|This feature requires you to download the Velorin AVI "
    "Maker\nutility from the Velorin AVI Maker Home Page.\n\nTo proceed, click \"Ok\" and manually "
    "establish a connection\nto the Internet.";

// An Internet that comes up after a number of checks.
class LateInternet : public platform::inet::Internet {
  public:
    bool OpenUrl(std::string_view) override { return ++tries > failingTries; }
    int failingTries = 0;
    int tries = 0;
};

class DownloadTest : public FlowTest {
  protected:
    std::vector<int> DialogIds() const {
        std::vector<int> ids;
        for (const auto& layout : dialogs_.shown) {
            ids.push_back(layout.resourceId);
        }
        return ids;
    }
};

TEST(InternetCheck, TriesTheMakerThenThePublisher) {
    platform::inet::fake::ScriptedInternet internet;
    platform::inet::Sites sites{kMaker, kPublisher};
    internet.SetReachable(kPublisher, true);
    EXPECT_TRUE(IsInternetReachable(internet, sites));
    EXPECT_EQ(internet.tried(), (Strings{kMaker, kPublisher}));
}

TEST_F(DownloadTest, OnlineYesOpensThePageAndNoShowsWhereToGetItLater) {
    boxes_.Answer({ui::Answer::Yes});
    flows_.OfferToolDownload(DownloadTool::AviMaker);
    EXPECT_EQ(browser_.pages(), Strings{"http://maker.example/Velorin/AVI"});
    EXPECT_EQ(Messages(), (Strings{"Download Velorin AVI Maker|This feature requires the Velorin "
                                   "AVI Maker utility.\n\nWould you like to automatically connect "
                                   "to the AVI Maker\nHome Page to download this utility?"}));
    EXPECT_EQ(boxes_.shown()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(log_, (Strings{"cursor:wait", "cursor:arrow"}));

    flows_.OfferToolDownload(DownloadTool::WebExporter);
    EXPECT_EQ(browser_.pages().size(), 1u);
    EXPECT_EQ(Messages().back(),
              "Download Web Exporter Later...|You can manually connect to "
              "\"http://maker.example/Velorin/Exporter\"\nat a later time to download the Velorin "
              "Web Exporter.");
}

TEST_F(DownloadTest, OfflineWaitsInTopmostDialogsUntilTheConnectionIsUp) {
    LateInternet late;
    late.failingTries = 6;  // three checks of two addresses each
    LaunchFlows flows(screen_,
                      {processes_, late, {kMaker, kPublisher}, browser_, processor_, devices_});
    boxes_.Answer({ui::Answer::Ok});
    dialogs_.answers = {ui::kIdOk, ui::kIdRetry, ui::kIdRetry};
    flows.OfferToolDownload(DownloadTool::AviMaker);
    EXPECT_EQ(Messages(), Strings{kAviOffline});
    EXPECT_EQ(boxes_.shown()[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(DialogIds(), (std::vector<int>{151, 156, 156}));
    EXPECT_EQ(dialogs_.topmost, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(dialogs_.shown[1].controls[3].text,
              "If you click \"Cancel\", you can manually connect to\n      "
              "http://maker.example/Velorin/AVI\nat a later time to download the Velorin AVI "
              "Maker.");
    EXPECT_EQ(browser_.pages(), Strings{"http://maker.example/Velorin/AVI"});
    EXPECT_EQ(log_.front(), "cursor:wait");
    auto shown = std::find(log_.begin(), log_.end(), "backdrop:show");
    ASSERT_NE(shown, log_.end());
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "screen:show"), 1);
}

TEST_F(DownloadTest, CancelLeavesWithNothingOpenedAndTheWindowsBack) {
    SetOnline(false);
    flows_.OfferToolDownload(DownloadTool::WebExporter);
    EXPECT_TRUE(dialogs_.shown.empty());
    EXPECT_EQ(log_, (Strings{"cursor:wait", "cursor:arrow"}));

    boxes_.Answer({ui::Answer::Ok});
    dialogs_.answers = {ui::kIdOk};  // then Cancel on the retry dialog
    flows_.OfferToolDownload(DownloadTool::WebExporter);
    EXPECT_EQ(DialogIds(), (std::vector<int>{151, 152}));
    EXPECT_EQ(dialogs_.shown[1].controls[2].text,
              "No Internet Connection Detected.\n\nClick \"Retry\" when you are connected to the "
              "Internet,\nof click \"Cancel\" to download the exporter another time.");
    EXPECT_TRUE(browser_.pages().empty());
    EXPECT_EQ(log_.back(), "screen:show");
}

TEST_F(DownloadTest, WithoutABackdropTheOfferGivesUpAfterTheQuestion) {
    SetOnline(false);
    screen_.hasBackdrop = false;
    boxes_.Answer({ui::Answer::Ok});
    EXPECT_FALSE(flows_.WaitForConnectionAndOpen("q", "c", CWaitUpgradeDlg("p"), "p"));
    EXPECT_TRUE(dialogs_.shown.empty());
    EXPECT_TRUE(browser_.pages().empty());
    EXPECT_EQ(log_, Strings{});
}

}  // namespace
}  // namespace launch_test
