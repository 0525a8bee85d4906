#pragma once
// What the system says of dots per inch. The calls that say it per window came with later systems,
// so they are looked up when first needed; an older system's answer stands in where one is missing.
#include <windows.h>

namespace platform::ui::win32 {

// The dots per inch of the screen the window is on (the program's windows are per-monitor aware);
// the system's where the system cannot say it per window.
int WindowDpi(HWND window);
// The dots per inch of the screens as the session started.
int SystemDpi();
// A system measure (an SM_ index) as it is at 96 dots per inch.
int LogicalSystemMetric(int index);
// The whole window around a client area, for a window of these styles on a screen of dpi.
RECT OuterRect(const RECT& client, DWORD style, DWORD extendedStyle, int dpi);

}  // namespace platform::ui::win32
