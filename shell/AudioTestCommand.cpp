#include <memory>

#include "audiotest/CSeTestDlg.h"
#include "audiotest/CSoundCapture.h"
#include "platform/termination/Termination.h"
#include "platform/ui/MessageBox.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

namespace {
constexpr int kPromptTextId = 137;
constexpr int kPromptCaptionId = 138;
constexpr int kSuccessTextId = 139;
constexpr int kSuccessCaptionId = 140;
constexpr int kErrorTextBytes = 2000;  // holds the longest built-in error text whole
}  // namespace

// The autoplay guard brackets the prompt, so that the CD the user inserts now does not start its
// autoplay action; the verb comes back whatever the user answers, and also when the launcher is
// told to end meanwhile.
void CLauncherDlg::RunAudioTest() {
    ClosePanel();
    m_strHoverText.clear();
    RedrawWindow(&kHoverTextArea);
    CSeTestDlg guard;
    guard.SuspendAutoplay();
    const platform::termination::CleanupGuard restore([&guard] { guard.RestoreAutoplay(); });
    const ui::Answer answer =
        ui::ShowMessage(this, resources::LoadResourceString(kPromptTextId),
                        resources::LoadResourceString(kPromptCaptionId), ui::Buttons::OkCancel);
    if (answer == ui::Answer::Ok) {
        RunAudioCaptureTest();
    }
}

// A fresh engine per test; the launcher never reads the error text.
void CLauncherDlg::RunAudioCaptureTest() {
    auto engine = std::make_unique<CSoundCapture>();
    char errorText[kErrorTextBytes] = {};
    const bool passed = engine->RunAudioTest(errorText, kErrorTextBytes, g_pBackdrop, this);
    if (passed) {
        ui::ShowMessage(this, resources::LoadResourceString(kSuccessTextId),
                        resources::LoadResourceString(kSuccessCaptionId), ui::Buttons::Ok,
                        ui::Icon::Information);
    }
    SetAudioCapture(passed ? 1 : 0);
    engine.reset();
}
