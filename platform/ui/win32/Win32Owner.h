#pragma once
// The real window a message box or dialog belongs to. The window hosts know which real window
// stands behind a layer window; the boxes ask them through a lookup given at construction.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/ui/Window.h"

namespace platform::ui::win32 {

// The real window behind a layer window, or null when it has none.
using OwnerLookup = HWND (*)(Window* owner);

// The owner's real window. Without a lookup, an owned box belongs to the thread's active window,
// which is the window the user is working in when a flow shows a box.
HWND ResolveOwner(OwnerLookup lookup, Window* owner);

// The UTF-8 texts of the layer as the UTF-16 the system's windows take.
std::wstring WideFromUtf8(std::string_view text);

}  // namespace platform::ui::win32
