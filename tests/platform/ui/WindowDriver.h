#pragma once
// What the window layer's behaviour suite needs of a backend beyond the layer itself: to act as
// the user and the system would (mouse, keys, the close box), and to look at what a window shows.
// Each backend's test program defines Driver() for its windows.
#include <functional>

#include "platform/ui/DialogWindow.h"

namespace velorin::test {

using Key = platform::ui::Key;

class WindowDriver {
  public:
    virtual ~WindowDriver() = default;
    // Runs the action from the event loop, once the current handler has returned.
    virtual void Soon(std::function<void()> action) = 0;
    // The pointer moving over the client area: the window is asked for its cursor, then moved in.
    virtual void MouseMove(platform::ui::DialogWindow& window, int x, int y) = 0;
    virtual void LeftButtonDown(platform::ui::DialogWindow& window, int x, int y) = 0;
    virtual void LeftDoubleClick(platform::ui::DialogWindow& window, int x, int y) = 0;
    virtual void PressKey(platform::ui::DialogWindow& window, Key key) = 0;
    virtual void ClickCloseBox(platform::ui::DialogWindow& window) = 0;
    virtual bool ShowsArrowCursor(platform::ui::DialogWindow& window) = 0;
    // Handles events until the window is on the screen; false when it never got there.
    virtual bool WaitUntilShown(platform::ui::DialogWindow& window) = 0;
    virtual platform::ui::Color PixelAt(platform::ui::DialogWindow& window, int x, int y) = 0;
};

WindowDriver& Driver();

}  // namespace velorin::test
