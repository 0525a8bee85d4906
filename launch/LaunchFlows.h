#pragma once
// The launcher screen's flows around Velorin: launching it (with the analysis run when due), the
// re-test, the hand-offs to the companion tools after it exits, the download offers and the
// processor upgrade offer. Each operation runs to its end before the screen handles anything else.
#include <string>
#include <string_view>

#include "launch/LaunchServices.h"
#include "launch/LauncherScreen.h"
#include "launch/WaitDialogs.h"

// The two companion tools that are downloaded rather than installed with Velorin.
enum class DownloadTool { AviMaker, WebExporter };

// True when the maker's home page or, failing that, the publisher's answers.
bool IsInternetReachable(platform::inet::Internet& internet, const platform::inet::Sites& sites);

class LaunchFlows {
  public:
    LaunchFlows(LauncherScreen& screen, const LaunchServices& services);

    void LaunchVelorin();
    void RetestComputer();
    void RunMixingTool();
    void RunWebExporter();
    void RunAviMaker();

    bool CheckCdDrive();
    bool CheckSoundCard();

    void OfferToolDownload(DownloadTool tool);
    // Asks the user to connect by hand and waits until the check succeeds or the user gives up;
    // true when the page was opened.
    bool WaitForConnectionAndOpen(std::string_view question, std::string_view caption,
                                  const CWaitDlg& retryDialog, const std::string& page);
    // True only when the user went to the upgrade page, so Velorin is not started this time.
    bool OfferProcessorUpgrade();

  private:
    enum class Next { Stop, LaunchAgain };
    struct ExportTool;

    Next LaunchOnce();
    bool IsAnalysisRunNeeded();
    bool RunVelorin();
    Next PostRunHandOff();
    Next MixingToolRun();
    void RunExportTool(const ExportTool& tool);
    bool CheckDevice(bool (DeviceProbe::*open)(), std::string_view text, std::string_view caption);
    bool OfferUpgrade();
    bool IsOnline();
    std::string PageAddress(std::string_view path) const;

    platform::ui::Window* Owner() { return &screen_.ScreenWindow(); }

    LauncherScreen& screen_;
    LaunchServices services_;
};
