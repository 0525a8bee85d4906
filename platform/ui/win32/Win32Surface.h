#pragma once
// The client area of a window as last painted: a bitmap in a memory device context, the same
// size as the client area. Painting goes here first; the screen is refreshed from it.
#include <windows.h>

#include <memory>

#include "platform/ui/win32/GdiHandles.h"

namespace platform::ui::win32 {

class Win32Surface {
  public:
    // A black surface of the size, compatible with the screen.
    Win32Surface(int width, int height);
    Win32Surface(const Win32Surface&) = delete;
    Win32Surface& operator=(const Win32Surface&) = delete;

    HDC dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT Bounds() const { return {0, 0, width_, height_}; }

  private:
    int width_;
    int height_;
    MemoryDc dc_;
    GdiObject bitmap_;
    // Last, so that the bitmap leaves the context before either is deleted.
    std::unique_ptr<Selection> selection_;
};

}  // namespace platform::ui::win32
