#include "platform/sound/Sound.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;
namespace sound = platform::sound;

void CLauncherDlg::OnMouseMove(int x, int y) {
    CHotRegion* hit = nullptr;
    bool retestHot = false;
    const int live = std::min<int>(
        m_bOptionsShown ? resources::kLauncherRegionCount : resources::kLauncherButtonCount,
        static_cast<int>(m_regions.size()));
    for (int index = 0; index < live; ++index) {
        if (m_regions[index]->Contains(x, y)) {
            hit = m_regions[index].get();
            retestHot = index == resources::IndexOf(resources::LauncherRegion::RetestSystem);
            break;
        }
    }
    if (hit != nullptr) {
        SetCursor(m_hHandCursor);
    }
    if (hit != m_pHotRegion) {
        m_pHotRegion = hit;
        m_strHoverText = hit != nullptr ? hit->text : std::string();
        RedrawWindow(&kHoverTextArea);
    }
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
