#include "platform/ui/win32/Win32Host.h"

#include <vector>

#include "platform/ui/win32/DialogTemplate.h"
#include "platform/ui/win32/Win32Canvas.h"
#include "platform/ui/win32/Win32Dpi.h"
#include "platform/ui/win32/Win32WindowSystem.h"

namespace platform::ui::win32 {

namespace {

RECT ToRECT(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

Rect FromRECT(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Empty when the two do not meet.
Rect Intersection(const Rect& a, const Rect& b) {
    const RECT first = ToRECT(a);
    const RECT second = ToRECT(b);
    RECT common{};
    ::IntersectRect(&common, &first, &second);
    return FromRECT(common);
}

// Disables the thread's other enabled windows for as long as it lives, then enables them again.
class OtherWindowsDisabled {
  public:
    explicit OtherWindowsDisabled(HWND modal) : modal_(modal) {
        ::EnumThreadWindows(::GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled() {
        for (HWND window : disabled_) {
            ::EnableWindow(window, TRUE);
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

  private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self) {
        auto* disabling = reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != disabling->modal_ && ::IsWindowEnabled(window)) {
            ::EnableWindow(window, FALSE);
            disabling->disabled_.push_back(window);
        }
        return TRUE;
    }

    HWND modal_;
    std::vector<HWND> disabled_;
};

// A fixed-size window that cannot be minimised offers only Move and Close in its window menu,
// as a dialog frame does; the rest would only show disabled.
void KeepFixedFrameItems(HMENU menu) {
    for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
        ::DeleteMenu(menu, command, MF_BYCOMMAND);
    }
}

}  // namespace

Win32Host::Win32Host(DialogWindow& window, const WindowStyle& style, bool /*modal*/,
                     Win32WindowSystem& system)
    : window_(window), system_(system), painted_(::CreateRectRgn(0, 0, 0, 0)) {
    HWND owner = style.taskbarButton ? nullptr : system.HiddenOwner();
    const std::vector<WORD> dialog = HiddenDialogTemplate(style);
    ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                 reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner,
                                 DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (hwnd_ != nullptr && style.windowMenu) {
        KeepFixedFrameItems(::GetSystemMenu(hwnd_, FALSE));
    }
}

Win32Host::~Win32Host() {
    EndModal();
    if (hwnd_ != nullptr) {
        // No handler runs for a window on its way out: the DialogWindow may be half gone.
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        accessible_.reset();
        ::DestroyWindow(hwnd_);
    }
}

void Win32Host::RunModal() {
    if (!::IsWindowVisible(hwnd_)) {
        ::ShowWindow(hwnd_, SW_SHOW);
    }
    ::SetForegroundWindow(hwnd_);
    ::SetFocus(hwnd_);
    if (endRequested_) {
        return;
    }
    OtherWindowsDisabled others(hwnd_);
    inModalLoop_ = true;
    MSG message{};
    while (!endRequested_) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // A quit request belongs to the outermost loop: pass it on.
            if (got == 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
            }
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    inModalLoop_ = false;
}

void Win32Host::EndModal() {
    endRequested_ = true;
    if (inModalLoop_) {
        // Wakes the loop, which looks at the request after each message.
        ::PostMessageW(hwnd_, WM_NULL, 0, 0);
    }
}

void Win32Host::Show(ShowCommand command) {
    switch (command) {
        case ShowCommand::Hide:
            ::ShowWindow(hwnd_, SW_HIDE);
            return;
        case ShowCommand::Show:
            ::ShowWindow(hwnd_, SW_SHOW);
            return;
        case ShowCommand::ShowMaximized:
            // A maximised window without a caption is meant to cover the whole screen, task bar
            // included, not only the work area a maximised window gets. Sized before it shows
            // too: with no window manager to size a maximised window, Wine keeps the size it
            // had when it was shown.
            CoverScreen();
            ::ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
            CoverScreen();
            return;
    }
}

void Win32Host::CoverScreen() {
    ::SetWindowPos(hwnd_, nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                   ::GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Host::IsVisible() const {
    return ::IsWindowVisible(hwnd_) != FALSE;
}

bool Win32Host::IsMinimized() const {
    return ::IsIconic(hwnd_) != FALSE;
}

// The size asked for is the client area with the frame a 96-dpi screen gives the window around it:
// the client area is scaled, and the frame is the one the system draws at the window's scale.
void Win32Host::Place(int x, int y, int width, int height) {
    const Win32Scale scale = Scale();
    const auto style = static_cast<DWORD>(::GetWindowLongW(hwnd_, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(::GetWindowLongW(hwnd_, GWL_EXSTYLE));
    const RECT frame = OuterRect({0, 0, 0, 0}, style, extendedStyle, kLogicalDpi);
    const Rect client{0, 0, width - (frame.right - frame.left),
                      height - (frame.bottom - frame.top)};
    const RECT outer = OuterRect(ToRECT(scale.ToDevice(client)), style, extendedStyle, scale.Dpi());
    const bool topmost = (extendedStyle & WS_EX_TOPMOST) != 0;
    ::SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_TOP, scale.ToDevice(x), scale.ToDevice(y),
                   outer.right - outer.left, outer.bottom - outer.top, SWP_SHOWWINDOW);
}

Rect Win32Host::ClientRect() const {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const Win32Scale scale = Scale();
    return {0, 0, scale.ToLogicalLength(client.right), scale.ToLogicalLength(client.bottom)};
}

void Win32Host::Redraw(const Rect* rect) {
    if (!IsVisible()) {
        return;
    }
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    RECT area = client;
    if (rect != nullptr) {
        const RECT wanted = ToRECT(Scale().ToDevice(*rect));
        if (::IntersectRect(&area, &wanted, &client) == FALSE) {
            return;
        }
    }
    const GdiObject region(::CreateRectRgnIndirect(&area));
    PaintIntoSurface(static_cast<HRGN>(region.get()));
    CopyToScreen(area);
    ::ValidateRect(hwnd_, &area);
}

// The surface's own pixels move, never resampled (that would blur what scrolls); the strip they
// uncover is given back as the logical pixels that cover it.
Rect Win32Host::Scroll(const Rect& area, int dx, int dy) {
    Win32Surface& surface = EnsureSurface();
    const Win32Scale scale = Scale();
    const RECT wanted = ToRECT(scale.ToDevice(area));
    const RECT bounds = surface.Bounds();
    RECT scrolled{};
    if (::IntersectRect(&scrolled, &wanted, &bounds) == FALSE) {
        return {};
    }
    RECT uncovered{};
    ::ScrollDC(surface.dc(), scrollX_.Next(dx, scale), scrollY_.Next(dy, scale), &scrolled,
               &scrolled, nullptr, &uncovered);
    if (IsVisible()) {
        CopyToScreen(scrolled);
    }
    return Intersection(scale.Covering(FromRECT(uncovered)), area);
}

Rect Win32Host::MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) {
    const Win32Scale scale = Scale();
    const MemoryDc dc(::CreateCompatibleDC(nullptr));
    const GdiObject made(MakeFont(font, scale));
    const Selection selected(dc.get(), made.get());
    return MeasureLines(dc.get(), text, rect, scale);
}

bool Win32Host::StartTimer(int id, int periodMs) {
    const auto event = static_cast<UINT_PTR>(id);
    ::KillTimer(hwnd_, event);
    return ::SetTimer(hwnd_, event, static_cast<UINT>(periodMs), nullptr) != 0;
}

bool Win32Host::StopTimer(int id) {
    return ::KillTimer(hwnd_, static_cast<UINT_PTR>(id)) != FALSE;
}

void Win32Host::SetCursor(const Cursor& cursor) {
    ::SetCursor(system_.ResolveCursor(system_.WaitOverride() ? WaitCursor() : cursor));
}

void Win32Host::SetIcon(int iconId) {
    constexpr int kBig = 32;
    constexpr int kSmall = 16;
    const Win32Scale scale = Scale();
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(system_.LoadIcon(iconId, scale.ToDevice(kBig))));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(system_.LoadIcon(iconId, scale.ToDevice(kSmall))));
}

void Win32Host::NotifyAccessible(int index, AccessibleChange change) {
    AnnounceAccessibleChange(hwnd_, index, change);
}

void Win32Host::AppendWindowMenuItem(int command, const std::string& text) {
    HMENU menu = ::GetSystemMenu(hwnd_, FALSE);
    if (text.empty()) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), Widen(text).c_str());
}

Color Win32Host::PixelAt(int x, int y) const {
    if (surface_ == nullptr) {
        return kBlack;
    }
    const COLORREF pixel = ::GetPixel(surface_->dc(), x, y);
    if (pixel == CLR_INVALID) {
        return kBlack;
    }
    return {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
}

Win32Scale Win32Host::Scale() const {
    return Win32Scale(WindowDpi(hwnd_));
}

Win32Surface& Win32Host::EnsureSurface() {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (surface_ == nullptr || surface_->Width() != client.right ||
        surface_->Height() != client.bottom) {
        surface_ = std::make_unique<Win32Surface>(client.right, client.bottom);
        ForgetPainted();
    }
    return *surface_;
}

void Win32Host::PaintIntoSurface(HRGN region) {
    Win32Surface& surface = EnsureSurface();
    RECT box{};
    ::GetRgnBox(region, &box);
    ::SelectClipRgn(surface.dc(), region);
    {
        const Win32Scale scale = Scale();
        Win32Canvas canvas(surface.dc(), scale.Covering(FromRECT(box)), scale, system_);
        window_.OnPaint(canvas);
    }
    ::SelectClipRgn(surface.dc(), nullptr);
    ::CombineRgn(static_cast<HRGN>(painted_.get()), static_cast<HRGN>(painted_.get()), region,
                 RGN_OR);
}

void Win32Host::CopyToScreen(const RECT& area) {
    HDC screen = ::GetDC(hwnd_);
    ::BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top,
             surface_->dc(), area.left, area.top, SRCCOPY);
    ::ReleaseDC(hwnd_, screen);
}

void Win32Host::ForgetPainted() {
    ::SetRectRgn(static_cast<HRGN>(painted_.get()), 0, 0, 0, 0);
}

HWND OwnerWindow(Window* owner) {
    auto* window = dynamic_cast<DialogWindow*>(owner);
    auto* host = window != nullptr ? dynamic_cast<Win32Host*>(window->host()) : nullptr;
    return host != nullptr ? host->hwnd() : nullptr;
}

}  // namespace platform::ui::win32
