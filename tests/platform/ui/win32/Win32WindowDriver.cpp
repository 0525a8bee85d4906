// The behaviour suite's driver on the Windows backend: messages sent to the host window as the
// system sends them (positions in the window's device pixels), pixels read from the window's
// painted surface.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <map>
#include <memory>

#include "platform/ui/win32/Win32Backends.h"
#include "platform/ui/win32/Win32Host.h"
#include "tests/platform/ui/WindowDriver.h"

namespace ui = platform::ui;
using platform::ui::win32::Win32Host;

namespace velorin::test {

namespace {

Win32Host& HostOf(ui::DialogWindow& window) {
    return *static_cast<Win32Host*>(window.host());
}

// The first device pixel of the logical one.
LPARAM At(ui::DialogWindow& window, int x, int y) {
    const platform::ui::win32::Win32Scale scale = HostOf(window).Scale();
    return MAKELPARAM(scale.ToDevice(x), scale.ToDevice(y));
}

std::deque<std::function<void()>>& Pending() {
    static std::deque<std::function<void()>> actions;
    return actions;
}

// A thread timer runs from whichever message loop is dispatching, the modal one included.
void CALLBACK RunPending(HWND /*hwnd*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    ::KillTimer(nullptr, timer);
    if (Pending().empty()) {
        return;
    }
    const std::function<void()> action = std::move(Pending().front());
    Pending().pop_front();
    action();
}

class Win32WindowDriver final : public WindowDriver {
  public:
    void Soon(std::function<void()> action) override {
        Pending().push_back(std::move(action));
        ::SetTimer(nullptr, 0, 0, RunPending);
    }
    void MouseMove(ui::DialogWindow& window, int x, int y) override {
        HWND hwnd = HostOf(window).hwnd();
        ::SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(window, x, y));
    }
    void LeftButtonDown(ui::DialogWindow& window, int x, int y) override {
        ::SendMessageW(HostOf(window).hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(window, x, y));
    }
    void LeftDoubleClick(ui::DialogWindow& window, int x, int y) override {
        ::SendMessageW(HostOf(window).hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(window, x, y));
    }
    void PressKey(ui::DialogWindow& window, Key key) override {
        static const std::map<Key, WPARAM> keys{
            {Key::Enter, VK_RETURN}, {Key::Escape, VK_ESCAPE}, {Key::Tab, VK_TAB},
            {Key::BackTab, VK_TAB},  {Key::Space, VK_SPACE},   {Key::Left, VK_LEFT},
            {Key::Right, VK_RIGHT},  {Key::Up, VK_UP},         {Key::Down, VK_DOWN}};
        // The host reads Shift from the thread's keyboard state, as it is when the message
        // comes from the keyboard.
        BYTE state[256]{};
        ::GetKeyboardState(state);
        const BYTE shift = state[VK_SHIFT];
        state[VK_SHIFT] = key == Key::BackTab ? 0x80 : 0;
        ::SetKeyboardState(state);
        ::SendMessageW(HostOf(window).hwnd(), WM_KEYDOWN, keys.at(key), 0);
        state[VK_SHIFT] = shift;
        ::SetKeyboardState(state);
    }
    void ClickCloseBox(ui::DialogWindow& window) override {
        ::SendMessageW(HostOf(window).hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    bool ShowsArrowCursor(ui::DialogWindow& /*window*/) override {
        return ::GetCursor() == ::LoadCursorA(nullptr, IDC_ARROW);
    }
    bool WaitUntilShown(ui::DialogWindow& window) override {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        return ::IsWindowVisible(HostOf(window).hwnd()) != FALSE;
    }
    ui::Color PixelAt(ui::DialogWindow& window, int x, int y) override {
        const platform::ui::win32::Win32Scale scale = HostOf(window).Scale();
        return HostOf(window).PixelAt(scale.ToDevice(x), scale.ToDevice(y));
    }
};

}  // namespace

WindowDriver& Driver() {
    static Win32WindowDriver driver;
    return driver;
}

namespace {

// The backends for the whole run, installed before the first test and gone before the exit.
class Win32Environment : public ::testing::Environment {
  public:
    void SetUp() override { backends_ = std::make_unique<platform::ui::win32::Win32Backends>(); }
    void TearDown() override { backends_.reset(); }

  private:
    std::unique_ptr<platform::ui::win32::Win32Backends> backends_;
};

// gtest owns and deletes the environment.
[[maybe_unused]] const auto* const g_environment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<Win32Environment>().release());

}  // namespace

}  // namespace velorin::test
