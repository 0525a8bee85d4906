#pragma once
// The pixels of a fake window or picture: RGB, row by row. Every operation is clipped to the
// surface, so callers may hand it any rectangle.
#include <vector>

#include "platform/ui/Graphics.h"
#include "platform/ui/Window.h"

namespace platform::ui::fake {

// The common part of two rectangles; empty (right <= left or bottom <= top) when none.
Rect Intersect(const Rect& a, const Rect& b);
bool IsEmpty(const Rect& rect);

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, Color color = kBlack);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    // Black outside the surface.
    Color At(int x, int y) const;
    // The part as a surface of its own (black where the part leaves this one).
    Surface Block(const Rect& part) const;

    // Nothing happens outside the surface.
    void Set(int x, int y, Color color);
    void Fill(const Rect& rect, Color color, const Rect& clip);
    // Copies the source from (sourceX, sourceY) on into destination, within clip.
    void Copy(const Surface& source, const Rect& destination, int sourceX, int sourceY,
              const Rect& clip);
    // Moves the pixels inside area by (dx, dy), clipped to area, and returns the bounding box of
    // the part left uncovered.
    Rect Scroll(const Rect& area, int dx, int dy);

    bool operator==(const Surface&) const = default;

  private:
    Color& Pixel(int x, int y) {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(x)];
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

}  // namespace platform::ui::fake
