#pragma once
// One hot region of the launcher screen: a rectangle in client pixels, its hover text (empty for
// none) and the option state its mark shows.
#include <string>
#include <string_view>

#include "platform/ui/Window.h"
#include "resources/LauncherLayout.h"

class CHotRegion {
  public:
    CHotRegion(int left, int top, int right, int bottom)
        : left(left), top(top), right(right), bottom(bottom) {}

    void SetText(std::string_view newText) { text = newText; }
    // Strictly inside: a point on the border belongs to no region.
    bool Contains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
    platform::ui::Rect Bounds() const { return {left, top, right, bottom}; }
    // Where an option's mark is drawn.
    platform::ui::Rect MarkBounds() const {
        return {left, top, left + resources::kMarkSize, top + resources::kMarkSize};
    }

    std::string text;
    int left;
    int top;
    int right;
    int bottom;
    bool selected = false;
};
