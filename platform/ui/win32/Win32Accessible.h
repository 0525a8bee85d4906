#pragma once
// A host window's client area as the system's accessibility interface sees it (IAccessible,
// served on WM_GETOBJECT): the window as its DialogWindow describes itself, and the parts it
// paints as simple children (ids 1 and up) that can be read, located and pressed.
#include <windows.h>

#include "platform/ui/Accessible.h"

namespace platform::ui {
class DialogWindow;
}

namespace platform::ui::win32 {

// The message a host posts to itself to run an item's action (wParam: the index) from its loop.
inline constexpr UINT kRunAccessibleAction = WM_APP + 0x71;

class AccessibleClient {
  public:
    AccessibleClient(DialogWindow& window, HWND hwnd);
    // The object lives on while clients hold it, answering that it is gone.
    ~AccessibleClient();
    AccessibleClient(const AccessibleClient&) = delete;
    AccessibleClient& operator=(const AccessibleClient&) = delete;

    // The answer to WM_GETOBJECT for the client area.
    LRESULT Answer(WPARAM wParam);

  private:
    class Object;
    Object* object_;
};

// Tells the system's accessibility clients of a change to item index of the window.
void AnnounceAccessibleChange(HWND hwnd, int index, AccessibleChange change);

}  // namespace platform::ui::win32
