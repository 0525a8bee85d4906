#pragma once
// A user at the screen for tests of boxes and dialogs under the system's own modal loops: a
// thread that waits for the dialog-class window with a given caption, notes what it shows, and
// then acts on it as a user would (a button, Escape, the close box).
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct SeenWindow {
    bool found = false;
    std::wstring caption;
    std::vector<std::wstring> texts;  // the children's texts, in order
    bool topmost = false;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

class ScreenUser {
  public:
    using Action = std::function<void(HWND window)>;
    ScreenUser(std::wstring caption, Action action);
    ~ScreenUser();
    ScreenUser(const ScreenUser&) = delete;
    ScreenUser& operator=(const ScreenUser&) = delete;

    // What the window showed; valid once the box or dialog under test has returned.
    const SeenWindow& Seen();

    static Action Press(int buttonId);
    static Action Escape();
    static Action CloseBox();

  private:
    void Watch();

    std::wstring caption_;
    Action action_;
    SeenWindow seen_;
    std::thread thread_;
};

}  // namespace testing_support
