#pragma once
// Owners for the GDI handles the backend makes: each is deleted exactly once, with the call that
// matches how it was made.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace platform::ui::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct MemoryDcDeleter {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};

using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiObjectDeleter>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// Selects an object into a device context for as long as it lives, then puts the old one back.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~Selection() { ::SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Texts cross the layer as UTF-8; the system's wide calls take UTF-16.
std::wstring Widen(std::string_view text);

}  // namespace platform::ui::win32
