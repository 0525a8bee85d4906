// The offer of Velorin's upgrade for processors with SSE, made at every launch.
#include "launch/LaunchFlows.h"
#include "launch/LaunchTexts.h"
#include "platform/ui/MessageBox.h"
#include "settings/Settings.h"

namespace ui = platform::ui;
using namespace launch_texts;

bool LaunchFlows::OfferProcessorUpgrade() {
    bool sse = services_.processor.IsSseProcessor();
    bool upgradeInstalled = GetXChipPatchInstalled() != 0;
    if (sse && !upgradeInstalled) {
        return OfferUpgrade();
    }
    if (!sse && upgradeInstalled) {
        // The upgrade no longer fits this processor: warn once and forget it.
        ui::ShowMessage(Owner(), kNoLongerLatestProcessor, kNoLongerLatestProcessorCaption,
                        ui::Buttons::Ok);
        SetXChipPatchInstalled(0);
    }
    return false;
}

bool LaunchFlows::OfferUpgrade() {
    if (ui::ShowMessage(Owner(), kUpgradeQuestion, kUpgradeQuestionCaption, ui::Buttons::YesNo) !=
        ui::Answer::Yes) {
        return false;
    }
    std::string page = PageAddress(kUpgradePath);
    if (IsOnline()) {
        services_.browser.OpenPage(page);
        return true;
    }
    return WaitForConnectionAndOpen(kUpgradeOffline, kUpgradeOfflineCaption, CWaitUpgradeDlg(page),
                                    page);
}
