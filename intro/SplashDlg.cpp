#include "intro/SplashDlg.h"

#include "intro/Popup.h"
#include "resources/WindowTemplates.h"

namespace {

namespace ui = platform::ui;

constexpr int kPictureId = 146;
constexpr int kWidth = 400;  // pixels, the picture's size
constexpr int kHeight = 250;
constexpr int kTimerPeriodMs = 500;
constexpr float kTickSeconds = 0.5F;
// Strictly more than this many seconds ends the splash: at the fifth tick, about 2.5 s.
constexpr float kShownSeconds = 2.0F;

}  // namespace

CSplashDlg::CSplashDlg()
    : DialogWindow(resources::WindowStyleOf(resources::kSplashTemplate)),
      m_nTimer(intro::kNoTimer) {}

CSplashDlg::~CSplashDlg() = default;

bool CSplashDlg::OnInitDialog() {
    DialogWindow::OnInitDialog();
    intro::CentreOnScreen(*this, kWidth, kHeight);
    m_bmpPicture = ui::LoadPicture(kPictureId);
    m_nTimer = static_cast<unsigned>(SetTimer(intro::kTimerId, kTimerPeriodMs));
    return true;
}

void CSplashDlg::OnPaint(ui::Canvas& canvas) {
    canvas.CopyPicture(m_bmpPicture, {0, 0, kWidth, kHeight});
}

ui::AccessibleItem CSplashDlg::AccessibleWindow() const {
    return {"Velorin Launcher splash screen", "Click to go on to the launcher",
            ui::AccessibleRole::Picture, GetClientRect()};
}

void CSplashDlg::OnTimer(int /*id*/) {
    m_fElapsed += kTickSeconds;
    if (m_fElapsed > kShownSeconds) {
        EndDialog(0);
    }
}

void CSplashDlg::OnLButtonDown(int x, int y) {
    EndDialog(0);
    DialogWindow::OnLButtonDown(x, y);
}

void CSplashDlg::OnDestroy() {
    DialogWindow::OnDestroy();
    if (m_nTimer != intro::kNoTimer) {
        KillTimer(static_cast<int>(m_nTimer));
    }
}
