#include "platform/ui/fake/Surface.h"

#include <algorithm>
#include <cstdlib>

namespace platform::ui::fake {

namespace {

Rect Shifted(const Rect& rect, int dx, int dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// What a scroll by (dx, dy) leaves of area: a strip along one side, or all of it when the
// pixels moved both ways or further than the area.
Rect Uncovered(const Rect& area, int dx, int dy) {
    if ((dx != 0 && dy != 0) || std::abs(dx) >= area.Width() || std::abs(dy) >= area.Height()) {
        return area;
    }
    if (dy < 0) {
        return {area.left, area.bottom + dy, area.right, area.bottom};
    }
    if (dy > 0) {
        return {area.left, area.top, area.right, area.top + dy};
    }
    if (dx < 0) {
        return {area.right + dx, area.top, area.right, area.bottom};
    }
    if (dx > 0) {
        return {area.left, area.top, area.left + dx, area.bottom};
    }
    return {};
}

}  // namespace

Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const Rect& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

Surface::Surface(int width, int height, Color color)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), color) {}

Color Surface::At(int x, int y) const {
    if (!Bounds().Contains(x, y)) {
        return kBlack;
    }
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

Surface Surface::Block(const Rect& part) const {
    Surface block(part.Width(), part.Height());
    block.Copy(*this, block.Bounds(), part.left, part.top, block.Bounds());
    return block;
}

void Surface::Set(int x, int y, Color color) {
    if (Bounds().Contains(x, y)) {
        Pixel(x, y) = color;
    }
}

void Surface::Fill(const Rect& rect, Color color, const Rect& clip) {
    const Rect area = Intersect(Intersect(rect, clip), Bounds());
    if (IsEmpty(area)) {
        return;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        std::fill(&Pixel(area.left, y), &Pixel(area.left, y) + (area.right - area.left), color);
    }
}

// Row by row, over the part of destination that both surfaces and clip hold.
void Surface::Copy(const Surface& source, const Rect& destination, int sourceX, int sourceY,
                   const Rect& clip) {
    const int dx = destination.left - sourceX;
    const int dy = destination.top - sourceY;
    const Rect area = Intersect(Intersect(Intersect(destination, clip), Bounds()),
                                Shifted(source.Bounds(), dx, dy));
    if (IsEmpty(area)) {
        return;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        const Color* row = &source.pixels_[static_cast<std::size_t>(y - dy) *
                                               static_cast<std::size_t>(source.width_) +
                                           static_cast<std::size_t>(area.left - dx)];
        std::copy(row, row + (area.right - area.left), &Pixel(area.left, y));
    }
}

Rect Surface::Scroll(const Rect& area, int dx, int dy) {
    const Rect scrolled = Intersect(area, Bounds());
    if (IsEmpty(scrolled)) {
        return {};
    }
    const Surface before = Block(scrolled);
    Copy(before, Shifted(scrolled, dx, dy), 0, 0, scrolled);
    return Uncovered(scrolled, dx, dy);
}

}  // namespace platform::ui::fake
