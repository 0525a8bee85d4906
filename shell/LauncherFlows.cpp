// The launch, re-test and mixing-room commands run the flows of launch/ on this screen, with the
// services the launcher program installed.
#include "launch/LaunchFlows.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherDlg.h"

namespace {

// The launcher screen as the flows see it.
class LauncherDlgScreen : public LauncherScreen {
  public:
    explicit LauncherDlgScreen(CLauncherDlg& dlg) : dlg_(dlg) {}

    platform::ui::Window& ScreenWindow() override { return dlg_; }
    platform::ui::Window* Backdrop() override { return g_pBackdrop; }
    void ShowModelResolution(std::int16_t resolution) override {
        dlg_.ShowModelResolution(resolution);
    }
    void EndDialog(int result) override { dlg_.EndDialog(result); }
    LaunchState State() override {
        return {dlg_.m_bAnalysedHardwareAcceleration, dlg_.m_nAnalysedModelResolution,
                dlg_.m_bReturnToVelorin};
    }

  private:
    CLauncherDlg& dlg_;
};

void RunFlow(CLauncherDlg& dlg, void (LaunchFlows::*flow)()) {
    const LaunchServices* services = InstalledLaunchServices();
    if (services == nullptr) {
        return;
    }
    LauncherDlgScreen screen(dlg);
    LaunchFlows flows(screen, *services);
    (flows.*flow)();
}

}  // namespace

void CLauncherDlg::LaunchVelorin() {
    RunFlow(*this, &LaunchFlows::LaunchVelorin);
}

void CLauncherDlg::RetestComputer() {
    RunFlow(*this, &LaunchFlows::RetestComputer);
}

void CLauncherDlg::RunMixingTool() {
    RunFlow(*this, &LaunchFlows::RunMixingTool);
}
