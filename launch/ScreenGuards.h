#pragma once
// Scoped screen states of the flows, so that every way out of a step restores them.
#include "launch/LauncherScreen.h"
#include "platform/ui/Window.h"

// The wait cursor while the flow blocks; the normal cursor again afterwards.
class WaitCursor {
  public:
    WaitCursor() { platform::ui::SetCursorShape(platform::ui::CursorShape::Wait); }
    ~WaitCursor() { platform::ui::SetCursorShape(platform::ui::CursorShape::Arrow); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Hides the backdrop and the launcher screen, so that only a message or a waiting dialog is on
// the screen, and shows both again when it ends or when asked to earlier.
class HiddenWindows {
  public:
    explicit HiddenWindows(LauncherScreen& screen);
    ~HiddenWindows() { ShowAgain(); }
    HiddenWindows(const HiddenWindows&) = delete;
    HiddenWindows& operator=(const HiddenWindows&) = delete;

    void ShowAgain();

  private:
    LauncherScreen& screen_;
    bool hidden_ = true;
};
