#include "intro/Popup.h"

namespace intro {

namespace ui = platform::ui;

void CentreOnScreen(ui::DialogWindow& window, int width, int height) {
    const int x = (ui::GetSystemMetric(ui::Metric::ScreenWidth) - width) / 2;
    const int y = (ui::GetSystemMetric(ui::Metric::ScreenHeight) - height) / 2;
    window.SetWindowPos(x, y, width, height);
}

}  // namespace intro
