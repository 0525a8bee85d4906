#include "intro/CreditsDlg.h"

#include "intro/Popup.h"
#include "platform/sound/Sound.h"
#include "resources/WindowTemplates.h"

namespace {

namespace ui = platform::ui;
namespace sound = platform::sound;

constexpr int kBackgroundId = 148;
constexpr int kLogoId = 161;
constexpr int kWidth = 640;  // pixels, the background's size
constexpr int kHeight = 480;
constexpr int kTimerPeriodMs = 20;
// Counted in 32-bit floats, as the thresholds below assume: with this step elapsed first exceeds
// 2.0 at the 41st tick of a phase, 3.0 at the 61st and 5.0 at the 100th.
constexpr float kTickSeconds = 0.05F;
constexpr float kCardSeconds = 3.0F;
constexpr float kClickLockSeconds = 2.0F;  // also the pause after the list has ended
constexpr float kLogoSeconds = 5.0F;
// The uncovered strip is repainted this much taller, so a line cut at the bottom is finished.
constexpr int kStripExtension = 20;

constexpr const char* kMusic = ".\\Sounds\\Sys\\S0\\credits.wav";

}  // namespace

CCreditsDlg::CCreditsDlg()
    : DialogWindow(resources::WindowStyleOf(resources::kCreditsTemplate)),
      m_credits(resources::LoadCredits()),
      m_nTimer(intro::kNoTimer) {}

CCreditsDlg::~CCreditsDlg() = default;

bool CCreditsDlg::OnInitDialog() {
    DialogWindow::OnInitDialog();
    intro::CentreOnScreen(*this, kWidth, kHeight);
    m_bmpBackground = ui::LoadPicture(kBackgroundId);
    m_bmpLogo = ui::LoadPicture(kLogoId);
    m_fontBody = {"Arial", 14, 400, false};
    m_fontHeading = {"MS Sans Serif", 10, 700, false};
    m_fontTitle = {"MS Sans Serif", 20, 700, true};
    // Measured here rather than by the list's first paint, which a platform may never make: the
    // roll then still scrolls its full length and ends.
    const int h = MeasureText(m_fontBody, kLineSample, kTextArea).Height() + kLineLeading;
    m_nTotal = static_cast<std::int32_t>(m_credits.list.size()) * h;
    m_nTimer = static_cast<unsigned>(SetTimer(intro::kTimerId, kTimerPeriodMs));
    return true;
}

ui::AccessibleItem CCreditsDlg::AccessibleWindow() const {
    return {"Velorin credits", "The names of the people who made Velorin, rolling by",
            ui::AccessibleRole::Animation, GetClientRect()};
}

void CCreditsDlg::OnTimer(int /*id*/) {
    if (m_bMusicPending) {
        m_bMusicPending = false;
        sound::PlaySound(kMusic, sound::SoundFlags::FileName | sound::SoundFlags::Async |
                                     sound::SoundFlags::Loop);
    }
    m_fElapsed += kTickSeconds;
    if (m_fElapsed > kCardSeconds && m_nPhase < kList) {
        ++m_nPhase;
        m_fElapsed = 0.0F;
        RedrawWindow(&kTextArea);
    }
    if (m_nPhase == kList) {
        ScrollList();
    }
    if (m_nPhase == kLogo && m_fElapsed > kLogoSeconds) {
        EndDialog(0);
    }
}

void CCreditsDlg::ScrollList() {
    if (m_nScrolled < m_nTotal) {
        ++m_nScrolled;
        ui::Rect strip = ScrollWindowRect(kTextArea, 0, -1);
        strip.bottom += kStripExtension;
        RedrawWindow(&strip);
    } else if (!m_bListDone) {
        m_bListDone = true;
        m_fElapsed = 0.0F;
    } else if (m_fElapsed > kClickLockSeconds) {
        m_fElapsed = 0.0F;
        m_nPhase = kLogo;
        RedrawWindow(&kTextArea);
    }
}

void CCreditsDlg::OnLButtonDown(int x, int y) {
    if (m_nPhase >= kList && m_fElapsed > kClickLockSeconds) {
        EndDialog(0);
    }
    DialogWindow::OnLButtonDown(x, y);
}

void CCreditsDlg::OnDestroy() {
    DialogWindow::OnDestroy();
    sound::PlaySound(nullptr, sound::SoundFlags::Sync);
    if (m_nTimer != intro::kNoTimer) {
        KillTimer(static_cast<int>(m_nTimer));
    }
}
