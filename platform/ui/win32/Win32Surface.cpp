#include "platform/ui/win32/Win32Surface.h"

namespace platform::ui::win32 {

Win32Surface::Win32Surface(int width, int height) : width_(width), height_(height) {
    HDC screen = ::GetDC(nullptr);
    dc_.reset(::CreateCompatibleDC(screen));
    bitmap_.reset(::CreateCompatibleBitmap(screen, width, height));
    ::ReleaseDC(nullptr, screen);
    selection_ = std::make_unique<Selection>(dc_.get(), bitmap_.get());
    const RECT all = Bounds();
    ::FillRect(dc_.get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

}  // namespace platform::ui::win32
