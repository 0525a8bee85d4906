#pragma once
// A window's pixels against the layer's logical ones. The windows of the launcher are laid out in
// pixels of a 96-dpi screen; on a screen of more dots per inch the system gives each window its
// own pixels, and the host paints text and shapes in those (sharp) while the window goes on
// seeing logical pixels: its size, the rectangles it paints and redraws, the mouse.
#include "platform/ui/Window.h"

namespace platform::ui::win32 {

// The dots per inch at which a logical pixel is one device pixel.
inline constexpr int kLogicalDpi = 96;

class Win32Scale {
  public:
    explicit Win32Scale(int dpi = kLogicalDpi) : dpi_(dpi > 0 ? dpi : kLogicalDpi) {}
    int Dpi() const { return dpi_; }
    double Factor() const { return static_cast<double>(dpi_) / kLogicalDpi; }

    // Where a logical pixel edge falls among the device pixels: rounded to the nearest, so that
    // rectangles that meet in logical pixels meet in device pixels too.
    int ToDevice(int logical) const;
    Rect ToDevice(const Rect& logical) const;
    // A length of device pixels in logical pixels, rounded to the nearest: a size made by
    // ToDevice comes back as it was.
    int ToLogicalLength(int device) const;
    // The logical pixel whose device pixels hold this one.
    int LogicalPixelOf(int device) const;
    // The logical rectangle whose device pixels cover these.
    Rect Covering(const Rect& device) const;

  private:
    int dpi_;
};

// A distance in logical pixels moved again and again (a scroll), in whole device pixels: at a
// fractional scale the steps alternate between the two nearest whole numbers, so that what moves
// never strays half a device pixel from where it would be drawn.
class DeviceSteps {
  public:
    int Next(int logical, const Win32Scale& scale);

  private:
    int carried_ = 0;  // what the steps so far fell short of, in 1/96 device pixels
};

}  // namespace platform::ui::win32
