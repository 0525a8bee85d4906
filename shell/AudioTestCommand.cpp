#include "platform/ui/MessageBox.h"
#include "resources/Strings.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

namespace {
constexpr int kPromptTextId = 137;
constexpr int kPromptCaptionId = 138;
}  // namespace

void CLauncherDlg::RunAudioTest() {
    ClosePanel();
    m_strHoverText.clear();
    RedrawWindow(&kHoverTextArea);
    const ui::Answer answer =
        ui::ShowMessage(this, resources::LoadResourceString(kPromptTextId),
                        resources::LoadResourceString(kPromptCaptionId), ui::Buttons::OkCancel);
    if (answer == ui::Answer::Ok) {
        RunAudioCaptureTest();
    }
}

// The capture engine arrives with the audio test; until then an agreed test stores nothing.
void CLauncherDlg::RunAudioCaptureTest() {}
