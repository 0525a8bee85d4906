#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

void CLauncherDlg::OnKeyDown(ui::Key key) {
    switch (key) {
        case ui::Key::Tab:
        case ui::Key::Right:
        case ui::Key::Down:
            MoveFocus(1);
            return;
        case ui::Key::BackTab:
        case ui::Key::Left:
        case ui::Key::Up:
            MoveFocus(-1);
            return;
        case ui::Key::Space:
            if (m_bFocusShown) {
                HandleClick();
            }
            return;
        case ui::Key::Enter:
            if (m_bFocusShown) {
                HandleClick();
                return;
            }
            break;
        case ui::Key::Escape:
            break;
    }
    DialogWindow::OnKeyDown(key);
}

// Moves on from the current region, the pointer's too, in reading order, wrapping around; with
// none, forwards starts at the first region and backwards at the last.
void CLauncherDlg::MoveFocus(int step) {
    const int live = LiveRegionCount();
    if (live == 0) {
        return;
    }
    int current = -1;
    for (int index = 0; index < live; ++index) {
        if (m_regions[index].get() == m_pHotRegion) {
            current = index;
        }
    }
    const int next = current >= 0 ? (current + step + live) % live : step > 0 ? 0 : live - 1;
    SetCurrentRegion(next, /*fromKeyboard=*/true);
}
