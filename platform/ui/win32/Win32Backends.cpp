#include "platform/ui/win32/Win32Backends.h"

namespace platform::ui::win32 {

Win32CursorControl::~Win32CursorControl() {
    Set(CursorShape::Arrow);
}

std::optional<CursorShape> Win32CursorControl::Set(CursorShape shape) {
    const bool waiting = windows_.WaitOverride();
    const std::optional<CursorShape> replaced =
        waiting ? std::optional(CursorShape::Wait) : std::nullopt;
    const bool wait = shape == CursorShape::Wait;
    if (wait == waiting) {
        return replaced;
    }
    windows_.SetWaitOverride(wait);
    ::SetCursor(windows_.ResolveCursor(wait ? WaitCursor() : ArrowCursor()));
    return replaced;
}

Win32Backends::Win32Backends() {
    SetWindowSystem(&windows_);
    SetCursorControl(&cursor_);
    SetMessageBoxBackend(&boxes_);
    SetDialogBackend(&dialogs_);
}

Win32Backends::~Win32Backends() {
    SetDialogBackend(nullptr);
    SetMessageBoxBackend(nullptr);
    SetCursorControl(nullptr);
    SetWindowSystem(nullptr);
}

}  // namespace platform::ui::win32
