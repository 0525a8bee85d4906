// How a host turns the system's messages into its window's handlers.
#include <optional>

#include "platform/ui/win32/Win32Host.h"
#include "platform/ui/win32/Win32WindowSystem.h"

namespace platform::ui::win32 {

namespace {

// Window-menu commands of a window have ids below the system's own.
constexpr WPARAM kFirstSystemCommand = 0xF000;
constexpr WPARAM kSystemCommandMask = 0xFFF0;

// Mouse positions are two signed 16-bit halves: a point left of or above the window is negative.
int XOf(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
int YOf(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

// Enter and Escape with any modifiers; the others only plain or with Shift, as on Linux, so that
// Control combinations stay the system's (Alt ones come as system keys).
std::optional<Key> KeyOf(WPARAM virtualKey) {
    if (virtualKey != VK_RETURN && virtualKey != VK_ESCAPE && ::GetKeyState(VK_CONTROL) < 0) {
        return std::nullopt;
    }
    switch (virtualKey) {
        case VK_RETURN:
            return Key::Enter;
        case VK_ESCAPE:
            return Key::Escape;
        case VK_TAB:
            return ::GetKeyState(VK_SHIFT) < 0 ? Key::BackTab : Key::Tab;
        case VK_SPACE:
            return Key::Space;
        case VK_LEFT:
            return Key::Left;
        case VK_RIGHT:
            return Key::Right;
        case VK_UP:
            return Key::Up;
        case VK_DOWN:
            return Key::Down;
        default:
            return std::nullopt;
    }
}

}  // namespace

// The host comes with WM_INITDIALOG; what a dialog gets before it has its default handling.
INT_PTR CALLBACK Win32Host::DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* host = reinterpret_cast<Win32Host*>(lParam);
        host->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
        // No control is there to take the focus: the window keeps it.
        return FALSE;
    }
    auto* host = reinterpret_cast<Win32Host*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const std::optional<LRESULT> result =
        host != nullptr ? host->Handle(message, wParam, lParam) : std::nullopt;
    if (!result) {
        return FALSE;
    }
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *result);
    return TRUE;
}

std::optional<LRESULT> Win32Host::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleInput(message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
        case WM_PAINT:
            OnPaintMessage();
            return 0;
        case WM_ERASEBKGND:
            // Every paint covers its whole area from the surface.
            return 1;
        case WM_SIZE:
            ForgetPainted();
            break;
        case WM_SHOWWINDOW:
            // A window that comes back is painted afresh from its state, as when uncovered.
            if (wParam != FALSE) {
                ForgetPainted();
            }
            break;
        case WM_TIMER:
            window_.OnTimer(static_cast<int>(wParam));
            return 0;
        case WM_SETCURSOR:
            if (HandleSetCursor(lParam)) {
                return TRUE;
            }
            break;
        case WM_SYSCOMMAND:
            return HandleSysCommand(wParam);
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (!accessible_) {
                    accessible_ = std::make_unique<AccessibleClient>(window_, hwnd_);
                }
                return accessible_->Answer(wParam);
            }
            break;
        case WM_DPICHANGED:
            return HandleDpiChanged(lParam);
        case kRunAccessibleAction:
            window_.DoAccessibleAction(static_cast<int>(wParam));
            return 0;
        case WM_CLOSE:
            // Whoever asks a window to close asks what the window menu's Close asks.
            window_.OnSysCommand(kCommandClose);
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

bool Win32Host::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
    // Positions come in the window's device pixels; the window hears of the logical pixel under.
    const Win32Scale scale = Scale();
    const int x = scale.LogicalPixelOf(XOf(lParam));
    const int y = scale.LogicalPixelOf(YOf(lParam));
    switch (message) {
        case WM_MOUSEMOVE:
            window_.OnMouseMove(x, y);
            return true;
        case WM_LBUTTONDOWN:
            window_.OnLButtonDown(x, y);
            return true;
        case WM_LBUTTONDBLCLK:
            window_.OnLButtonDblClk(x, y);
            return true;
        case WM_KEYDOWN:
            if (const std::optional<Key> key = KeyOf(wParam)) {
                window_.OnKeyDown(*key);
                return true;
            }
            return false;
        default:
            return false;
    }
}

std::optional<LRESULT> Win32Host::HandleSysCommand(WPARAM wParam) {
    if ((wParam & kSystemCommandMask) == SC_CLOSE) {
        window_.OnSysCommand(kCommandClose);
        return 0;
    }
    if (wParam < kFirstSystemCommand) {
        window_.OnSysCommand(static_cast<int>(wParam));
        return 0;
    }
    return std::nullopt;
}

// The window came onto a screen of other dots per inch, or its screen's changed: it takes the place
// the system suggests for it there, and is painted afresh at its new scale.
LRESULT Win32Host::HandleDpiChanged(LPARAM lParam) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ForgetPainted();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    return 0;
}

bool Win32Host::HandleSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) {
        return false;
    }
    if (system_.WaitOverride()) {
        ::SetCursor(system_.ResolveCursor(WaitCursor()));
    } else if (!window_.OnSetCursor()) {
        ::SetCursor(system_.ResolveCursor(ArrowCursor()));
    }
    return true;
}

void Win32Host::OnPaintMessage() {
    const GdiObject update(::CreateRectRgn(0, 0, 0, 0));
    ::GetUpdateRgn(hwnd_, static_cast<HRGN>(update.get()), FALSE);
    PAINTSTRUCT paint{};
    HDC screen = ::BeginPaint(hwnd_, &paint);
    Win32Surface& surface = EnsureSurface();
    const GdiObject missing(::CreateRectRgn(0, 0, 0, 0));
    if (::CombineRgn(static_cast<HRGN>(missing.get()), static_cast<HRGN>(update.get()),
                     static_cast<HRGN>(painted_.get()), RGN_DIFF) != NULLREGION) {
        PaintIntoSurface(static_cast<HRGN>(missing.get()));
    }
    const RECT& area = paint.rcPaint;
    ::BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top,
             surface.dc(), area.left, area.top, SRCCOPY);
    ::EndPaint(hwnd_, &paint);
}

}  // namespace platform::ui::win32
