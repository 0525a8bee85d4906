// The launcher screen for screen readers: each live region is a button, or a check box for the
// option marks, named by the label the picture shows for it.
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

namespace {

struct RegionLabel {
    const char* name;
    // Says more where the region has no hover text of its own: the panel heading it is under.
    const char* group;
};

constexpr RegionLabel kRegionLabels[resources::kLauncherRegionCount] = {
    {"Launch Velorin", ""},
    {"Set-Up Options", ""},
    {"Audio Test", ""},
    {"Mixing Room", ""},
    {"Quit", ""},
    {"Character Dialogue", "Audio"},
    {"Background Sounds", "Audio"},
    {"Low", "Character Model Resolution"},
    {"Medium", "Character Model Resolution"},
    {"High", "Character Model Resolution"},
    {"Hardware Acceleration", "Graphics"},
    {"BVH Export Option", "Graphics"},
    {"Re-Test System", "Graphics"},
};

bool IsButton(int index) {
    return index < resources::kLauncherButtonCount ||
           index == resources::IndexOf(resources::LauncherRegion::RetestSystem);
}

}  // namespace

std::vector<ui::AccessibleItem> CLauncherDlg::AccessibleItems() const {
    std::vector<ui::AccessibleItem> items;
    for (int index = 0; index < LiveRegionCount(); ++index) {
        const CHotRegion& region = *m_regions[index];
        const RegionLabel& label = kRegionLabels[index];
        items.push_back(
            {label.name, region.text.empty() ? label.group : region.text,
             IsButton(index) ? ui::AccessibleRole::PushButton : ui::AccessibleRole::CheckBox,
             region.Bounds(), region.selected, m_bFocusShown && m_pHotRegion == &region});
    }
    return items;
}

// As the keyboard does it: the region becomes the focused one, then runs as if clicked.
void CLauncherDlg::DoAccessibleAction(int index) {
    if (index < 0 || index >= LiveRegionCount()) {
        return;
    }
    SetCurrentRegion(index, /*fromKeyboard=*/true);
    HandleClick();
}
