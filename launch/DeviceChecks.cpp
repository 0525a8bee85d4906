// Making sure Velorin's CD drive and sound card can be opened before it starts.
#include "launch/LaunchFlows.h"
#include "launch/LaunchTexts.h"
#include "launch/ScreenGuards.h"
#include "platform/ui/MessageBox.h"

namespace ui = platform::ui;
using namespace launch_texts;

bool LaunchFlows::CheckCdDrive() {
    return CheckDevice(&DeviceProbe::OpenCdAudio, kCdDriveBusy, kCdDriveBusyCaption);
}

bool LaunchFlows::CheckSoundCard() {
    return CheckDevice(&DeviceProbe::OpenWaveAudio, kSoundCardBusy, kSoundCardBusyCaption);
}

// Opens the device; while it stays busy, asks the user to free it, with only the message on the
// screen, until it opens or the user cancels.
bool LaunchFlows::CheckDevice(bool (DeviceProbe::*open)(), std::string_view text,
                              std::string_view caption) {
    if ((services_.devices.*open)()) {
        return true;
    }
    if (screen_.Backdrop() == nullptr) {
        return false;
    }
    HiddenWindows hidden(screen_);
    while (ui::ShowMessage(Owner(), text, caption, ui::Buttons::RetryCancel) == ui::Answer::Retry) {
        if ((services_.devices.*open)()) {
            return true;
        }
    }
    return false;
}
