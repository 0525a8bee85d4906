#pragma once
// The real window behind a DialogWindow: a dialog made from the window's template. Everything
// the window paints goes into a bitmap of its client area first: a partial redraw runs OnPaint
// clipped to its rectangle there, scrolling moves the bitmap's pixels, and the screen is
// refreshed from the bitmap. The bitmap holds the window's own device pixels, at its screen's
// dots per inch; the window itself sees logical pixels only (its size, rectangles, mouse
// positions), as on a 96-dpi screen (Win32Scale.h).
#include <windows.h>

#include <memory>
#include <optional>

#include "platform/ui/DialogWindow.h"
#include "platform/ui/win32/GdiHandles.h"
#include "platform/ui/win32/Win32Accessible.h"
#include "platform/ui/win32/Win32Scale.h"
#include "platform/ui/win32/Win32Surface.h"

namespace platform::ui::win32 {

class Win32WindowSystem;

class Win32Host final : public WindowHost {
  public:
    Win32Host(DialogWindow& window, const WindowStyle& style, bool modal,
              Win32WindowSystem& system);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    bool HasWindow() const { return hwnd_ != nullptr; }
    HWND hwnd() const { return hwnd_; }

    void RunModal() override;
    void EndModal() override;
    void Show(ShowCommand command) override;
    bool IsVisible() const override;
    bool IsMinimized() const override;
    void Place(int x, int y, int width, int height) override;
    Rect ClientRect() const override;
    void Redraw(const Rect* rect) override;
    Rect Scroll(const Rect& area, int dx, int dy) override;
    Rect MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) override;
    bool StartTimer(int id, int periodMs) override;
    bool StopTimer(int id) override;
    void SetCursor(const Cursor& cursor) override;
    void SetIcon(int iconId) override;
    void AppendWindowMenuItem(int command, const std::string& text) override;
    void NotifyAccessible(int index, AccessibleChange change) override;

    // A device pixel of the client area as last painted; black outside it.
    Color PixelAt(int x, int y) const;
    // The window's device pixels against its logical ones, as its screen has them now.
    Win32Scale Scale() const;

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The message's result, or nothing for the dialog's default handling.
    std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> HandleSysCommand(WPARAM wParam);
    LRESULT HandleDpiChanged(LPARAM lParam);
    bool HandleSetCursor(LPARAM lParam);
    void CoverScreen();
    void OnPaintMessage();
    Win32Surface& EnsureSurface();
    void PaintIntoSurface(HRGN region);
    void CopyToScreen(const RECT& area);
    void ForgetPainted();

    DialogWindow& window_;
    Win32WindowSystem& system_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<Win32Surface> surface_;
    GdiObject painted_;  // the part of the surface painted since the window was last shown
    DeviceSteps scrollX_;
    DeviceSteps scrollY_;
    bool inModalLoop_ = false;
    bool endRequested_ = false;
    std::unique_ptr<AccessibleClient> accessible_;  // made at the first WM_GETOBJECT
};

// The real window of a layer window, or null when it has none (or is not a DialogWindow).
HWND OwnerWindow(Window* owner);

}  // namespace platform::ui::win32
