#pragma once
// What the splash and the credits have in common: a captionless pop-up centred on the screen,
// counting time with one window timer.
#include "platform/ui/DialogWindow.h"

namespace intro {

inline constexpr int kTimerId = 222;
// What a timer member holds while no timer was started.
inline constexpr unsigned kNoTimer = ~0U;

// Places the window at the middle of the screen, on top, and shows it. The division truncates
// toward zero, also on a screen smaller than the window.
void CentreOnScreen(platform::ui::DialogWindow& window, int width, int height);

}  // namespace intro
