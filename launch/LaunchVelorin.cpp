// Starting Velorin: the launch flow with its analysis run, and the re-test.
#include "launch/LaunchFlows.h"
#include "launch/LaunchTexts.h"
#include "launch/ScreenGuards.h"
#include "platform/ui/MessageBox.h"
#include "settings/Settings.h"

namespace ui = platform::ui;
using namespace launch_texts;

LaunchFlows::LaunchFlows(LauncherScreen& screen, const LaunchServices& services)
    : screen_(screen), services_(services) {}

void LaunchFlows::LaunchVelorin() {
    // The mixing tool may send the user back to Velorin any number of times; each return is a
    // fresh launch from the first step, taken in this loop rather than by recursion.
    while (LaunchOnce() == Next::LaunchAgain) {
    }
}

LaunchFlows::Next LaunchFlows::LaunchOnce() {
    SetInvokedByLauncher(1);
    if (OfferProcessorUpgrade()) {
        screen_.ScreenWindow().RedrawNow();
        return Next::Stop;
    }
    if (!CheckCdDrive() || !CheckSoundCard()) {
        return Next::Stop;
    }
    if (IsAnalysisRunNeeded()) {
        if (!RunVelorin()) {
            return Next::Stop;
        }
        ui::ShowMessage(Owner(), kAnalysisComplete, kAnalysisCompleteCaption, ui::Buttons::Ok);
    }
    if (!RunVelorin()) {
        return Next::Stop;
    }
    return PostRunHandOff();
}

// Velorin measures the computer before its first run and again after the user changed an option
// the measurement depends on.
bool LaunchFlows::IsAnalysisRunNeeded() {
    bool needed = false;
    if (IsSpeedTestPending()) {
        ui::ShowMessage(Owner(), kFirstRun, "", ui::Buttons::Ok);
        needed = true;
    }
    LaunchState state = screen_.State();
    std::uint8_t acceleration = GetHardwareAcceleration();
    std::int16_t resolution = GetModelResolution();
    if (acceleration != state.m_bAnalysedHardwareAcceleration ||
        resolution != state.m_nAnalysedModelResolution) {
        state.m_bAnalysedHardwareAcceleration = acceleration;
        state.m_nAnalysedModelResolution = resolution;
        if (!IsSpeedTestPending()) {
            RequestSpeedTest();
            ui::ShowMessage(Owner(), kOptionsChanged, std::nullopt, ui::Buttons::Ok);
        }
        needed = true;
    }
    return needed;
}

// Starts Velorin and waits for it to exit. A Velorin that cannot be started is reported, and
// the caller's flow stops: nothing may go on as if it had run.
bool LaunchFlows::RunVelorin() {
    platform::process::RunResult result;
    {
        WaitCursor waiting;
        result = services_.processes.RunAndWait(kVelorinCommandLine, {});
    }
    if (result == platform::process::RunResult::Finished) {
        return true;
    }
    ui::ShowMessage(Owner(), kCannotStartVelorin, kCannotStartVelorinCaption, ui::Buttons::Ok);
    return false;
}

void LaunchFlows::RetestComputer() {
    SetInvokedByLauncher(1);
    if (!CheckCdDrive() || !CheckSoundCard()) {
        return;
    }
    RequestSpeedTest();
    if (!RunVelorin()) {
        return;
    }
    // The analysis may have changed the model resolution: the panel shows what Velorin left.
    screen_.ShowModelResolution(GetModelResolution());
    screen_.ScreenWindow().RedrawNow();
    screen_.State().m_bAnalysedHardwareAcceleration = GetHardwareAcceleration();
    screen_.State().m_nAnalysedModelResolution = GetModelResolution();
}
