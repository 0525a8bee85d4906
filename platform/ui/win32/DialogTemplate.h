#pragma once
// The dialog template a window is created from: the program's own resource when the style names
// one, else a template made from the style.
#include <windows.h>

#include <vector>

#include "platform/ui/WindowSystem.h"

namespace platform::ui::win32 {

// A template's WS_VISIBLE would show the window before its OnInitDialog has placed it, so the
// template comes without it: the window shows when it is placed, shown or run. Held as words,
// which keeps the template aligned as the system wants it.
std::vector<WORD> HiddenDialogTemplate(const WindowStyle& style);

}  // namespace platform::ui::win32
