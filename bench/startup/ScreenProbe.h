#pragma once
// What a user sees of the X screen, read straight from the server: pixels of a rectangle, and the
// pointer moved as a mouse would move it.
#include <xcb/xcb.h>

#include <QImage>

namespace startup_timing {

class ScreenProbe {
  public:
    ScreenProbe();
    ~ScreenProbe();
    ScreenProbe(const ScreenProbe&) = delete;
    ScreenProbe& operator=(const ScreenProbe&) = delete;

    bool Ready() const { return screen_ != nullptr; }
    int Width() const { return screen_->width_in_pixels; }
    int Height() const { return screen_->height_in_pixels; }

    // Whether the screen shows the picture at (x, y), judged on a grid of its pixels.
    bool Shows(const QImage& picture, int x, int y);
    // Whether any pixel of the rectangle is pure white.
    bool HasWhite(int x, int y, int width, int height);
    void MovePointer(int x, int y);

  private:
    // The rectangle's pixels as 0xRRGGBB, row by row; empty when the server refused.
    QImage Grab(int x, int y, int width, int height);

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
};

}  // namespace startup_timing
