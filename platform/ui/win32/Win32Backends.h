#pragma once
// Installs the Windows backends of the window layer for as long as it lives: windows, the wait
// cursor, message boxes and the layout dialogs.
#include "platform/ui/Window.h"
#include "platform/ui/win32/Win32Dialogs.h"
#include "platform/ui/win32/Win32Host.h"
#include "platform/ui/win32/Win32MessageBoxes.h"
#include "platform/ui/win32/Win32WindowSystem.h"

namespace platform::ui::win32 {

// The wait cursor over every window of the program, shown at once and whenever a window asks
// for its cursor, until it is set back.
class Win32CursorControl final : public CursorControl {
  public:
    explicit Win32CursorControl(Win32WindowSystem& windows) : windows_(windows) {}
    ~Win32CursorControl() override;
    Win32CursorControl(const Win32CursorControl&) = delete;
    Win32CursorControl& operator=(const Win32CursorControl&) = delete;
    std::optional<CursorShape> Set(CursorShape shape) override;

  private:
    Win32WindowSystem& windows_;
};

class Win32Backends {
  public:
    Win32Backends();
    ~Win32Backends();
    Win32Backends(const Win32Backends&) = delete;
    Win32Backends& operator=(const Win32Backends&) = delete;

    Win32WindowSystem& windows() { return windows_; }

  private:
    Win32WindowSystem windows_;
    Win32CursorControl cursor_{windows_};
    Win32MessageBoxes boxes_{&OwnerWindow};
    Win32Dialogs dialogs_{&OwnerWindow};
};

}  // namespace platform::ui::win32
