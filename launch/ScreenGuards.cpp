#include "launch/ScreenGuards.h"

HiddenWindows::HiddenWindows(LauncherScreen& screen) : screen_(screen) {
    if (platform::ui::Window* backdrop = screen_.Backdrop()) {
        backdrop->Hide();
    }
    screen_.ScreenWindow().Hide();
}

void HiddenWindows::ShowAgain() {
    if (!hidden_) {
        return;
    }
    hidden_ = false;
    if (platform::ui::Window* backdrop = screen_.Backdrop()) {
        backdrop->Show();
    }
    screen_.ScreenWindow().Show();
}
