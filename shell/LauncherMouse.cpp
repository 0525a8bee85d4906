#include "platform/sound/Sound.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;
namespace sound = platform::sound;

int CLauncherDlg::LiveRegionCount() const {
    return std::min<int>(
        m_bOptionsShown ? resources::kLauncherRegionCount : resources::kLauncherButtonCount,
        static_cast<int>(m_regions.size()));
}

void CLauncherDlg::OnMouseMove(int x, int y) {
    int hit = -1;
    for (int index = 0; index < LiveRegionCount(); ++index) {
        if (m_regions[index]->Contains(x, y)) {
            hit = index;
            break;
        }
    }
    if (hit >= 0) {
        SetCursor(m_hHandCursor);
    }
    if ((hit >= 0 ? m_regions[hit].get() : nullptr) != m_pHotRegion) {
        SetCurrentRegion(hit, /*fromKeyboard=*/false);
    }
}

void CLauncherDlg::SetCurrentRegion(int index, bool fromKeyboard) {
    CHotRegion* region = index >= 0 ? m_regions[index].get() : nullptr;
    CHotRegion* marked = m_bFocusShown ? m_pHotRegion : nullptr;
    m_bFocusShown = fromKeyboard && region != nullptr;
    if (region != m_pHotRegion) {
        m_pHotRegion = region;
        m_strHoverText = region != nullptr ? region->text : std::string();
        RedrawWindow(&kHoverTextArea);
    }
    if (marked != nullptr) {
        RedrawFocusMark(*marked);
    }
    if (m_bFocusShown) {
        RedrawFocusMark(*region);
        NotifyAccessible(index, ui::AccessibleChange::Focus);
    }
    const bool retestHot = index == resources::IndexOf(resources::LauncherRegion::RetestSystem);
    if (retestHot != m_bRetestHot) {
        m_bRetestHot = retestHot;
        if (retestHot) {
            sound::PlaySound(".\\Sounds\\Sys\\S0\\snap.wav",
                             sound::SoundFlags::Async | sound::SoundFlags::FileName);
        }
        const ui::Rect retest = HotRegion(resources::LauncherRegion::RetestSystem).Bounds();
        RedrawWindow(&retest);
    }
}

bool CLauncherDlg::OnSetCursor() {
    if (m_pHotRegion == nullptr) {
        return false;
    }
    SetCursor(m_hHandCursor);
    return true;
}

void CLauncherDlg::OnLButtonDown(int /*x*/, int /*y*/) {
    HandleClick();
}

void CLauncherDlg::OnLButtonDblClk(int /*x*/, int /*y*/) {
    HandleClick();
}
